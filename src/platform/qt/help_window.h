// The help viewer: the program's own help pages in a window of their own, with Back
// and Forward (also Alt+Left, Alt+Right) through the pages and places visited. Esc
// closes it.
#ifndef QBK_PLATFORM_QT_HELP_WINDOW_H_
#define QBK_PLATFORM_QT_HELP_WINDOW_H_

#include <QPointer>
#include <QString>

#include "platform/ports.h"

class QTextBrowser;
class QWidget;

namespace qbk {

class HelpWindow final : public HelpViewer {
  public:
    // `contentsUrl`: the contents page, e.g. qrc:/help/index.html.
    explicit HelpWindow(QString contentsUrl) : contentsUrl_(std::move(contentsUrl)) {}
    ~HelpWindow() override;
    void showContents() override;
    void quit() override;
    bool isShown() const;
    // The window once shown (null before); its browser is named "HelpBrowser", its
    // actions "HelpBack" and "HelpForward".
    QWidget* window() const { return window_; }

  private:
    void create();

    QString contentsUrl_;
    QPointer<QWidget> window_;
    QPointer<QTextBrowser> browser_;
};

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_HELP_WINDOW_H_
