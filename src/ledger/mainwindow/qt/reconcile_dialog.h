// Reconcile (Records menu): agrees the book with a bank statement. The user gives the
// statement's end date and ending balance (and, while no entry is reconciled yet, the
// account's opening balance); the dialog lists the live entries up to that date that
// are not reconciled, ticked where they are cleared, and shows the difference live as
// entries are ticked. "Finish", enabled only at a difference of 0.00, makes the ticked
// entries reconciled and takes the cleared mark off the others it listed, in one
// change of the book (one undo step). A difference left over can be booked, after a
// question, as a reconciled adjustment entry of the end date in a category the user
// picks, in the same change.
#ifndef QBK_MAINWINDOW_QT_RECONCILE_DIALOG_H_
#define QBK_MAINWINDOW_QT_RECONCILE_DIALOG_H_

#include <QDialog>
#include <optional>
#include <vector>

#include "platform/money.h"
#include "store/record_file.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace qbk {

class QBK_3_Main;

class ReconcileDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ReconcileDialog(QBK_3_Main& window);

    QLineEdit* StatementDateBox = nullptr;
    QLineEdit* EndingBalanceBox = nullptr;
    QLineEdit* OpeningBalanceBox = nullptr;
    QPushButton* ListButton = nullptr;
    QTableWidget* EntryList = nullptr;
    QLabel* DifferenceLabel = nullptr;
    QComboBox* AdjustCategoryBox = nullptr;
    QPushButton* AdjustButton = nullptr;
    QPushButton* FinishButton = nullptr;

    // The difference the dialog shows: nullopt while the date or a balance does not read.
    std::optional<Money> difference() const;

    void ListButton_Click();
    void FinishButton_Click();
    void AdjustButton_Click();

  private:
    void updateDifference();
    // Writes the marks (and the adjustment, when given) in one change; false when the
    // book changed since it was listed or a write failed (the message was shown).
    bool finish(std::optional<Money> adjustment);

    QBK_3_Main& window_;
    RecordFileContent listed_;          // the book as it was listed
    std::vector<std::size_t> numbers_;  // the records of the rows
    Money reconciled_;                  // the live reconciled entries
    Money storedOpening_;
    bool firstTime_ = true;             // no entry reconciled yet: the opening can be typed
    std::optional<DaySerial> lastDay_;  // of the list shown
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_RECONCILE_DIALOG_H_
