// A status bar of numbered text panels (DisplayStatusBar, GeneralStatusBar).
#ifndef QBK_MAINWINDOW_QT_STATUS_PANELS_H_
#define QBK_MAINWINDOW_QT_STATUS_PANELS_H_

#include <QFrame>
#include <QString>
#include <vector>

class QLabel;

namespace qbk {

// The panels of the main window's two status bars.
namespace display_panel {
inline constexpr int kIncome = 1;
inline constexpr int kExpense = 2;
inline constexpr int kBalance = 3;
inline constexpr int kReport = kBalance;  // report mode's one text: the report list
inline constexpr int kItems = 4;
inline constexpr int kSubject = 5;  // what the list holds: a category or a search
inline constexpr int kClearedBalance = 6;
}  // namespace display_panel
namespace general_panel {
inline constexpr int kMessage = 1;
inline constexpr int kDataFolder = 2;
}  // namespace general_panel

class StatusPanels : public QFrame {
    Q_OBJECT
  public:
    // `stretch` gives each panel's share of the width.
    StatusPanels(const QString& objectName, const std::vector<int>& stretch, QWidget* parent);
    // Panels are numbered from 1.
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    void setPanelVisible(int panel, bool visible);
    bool isPanelVisible(int panel) const;
    int panelCount() const { return static_cast<int>(panels_.size()); }

  private:
    std::vector<QLabel*> panels_;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_STATUS_PANELS_H_
