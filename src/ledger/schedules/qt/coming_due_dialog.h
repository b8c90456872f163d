// The coming-due dialog: the entries the schedules make up to today that were not
// posted, each with a check box (all checked), and the choice to post the checked ones,
// none, or from now on all of them without asking.
#ifndef QBK_SCHEDULES_QT_COMING_DUE_DIALOG_H_
#define QBK_SCHEDULES_QT_COMING_DUE_DIALOG_H_

#include <QDialog>
#include <vector>

#include "platform/regional.h"
#include "schedules/planned_entries.h"

class QCheckBox;
class QTableWidget;

namespace qbk {

class ComingDueDialog : public QDialog {
    Q_OBJECT
  public:
    ComingDueDialog(const std::vector<PlannedEntry>& due, bool postWithoutAsking,
                    const RegionalSettings& regional, QWidget* parent = nullptr);

    // After exec() accepted it: which entries of `due` are checked.
    std::vector<bool> checked() const;
    bool postWithoutAsking() const;

  private:
    QTableWidget* DueList = nullptr;
    QCheckBox* PostWithoutAsking = nullptr;
};

}  // namespace qbk

#endif  // QBK_SCHEDULES_QT_COMING_DUE_DIALOG_H_
