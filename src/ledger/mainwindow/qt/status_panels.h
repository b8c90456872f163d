// A status bar of numbered text panels (DisplayStatusBar, GeneralStatusBar).
#ifndef QBK_MAINWINDOW_QT_STATUS_PANELS_H_
#define QBK_MAINWINDOW_QT_STATUS_PANELS_H_

#include <QFrame>
#include <QString>
#include <vector>

class QLabel;

namespace qbk {

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
