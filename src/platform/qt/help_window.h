// The help viewer: the program's own help pages in a window of their own.
#ifndef QBK_PLATFORM_QT_HELP_WINDOW_H_
#define QBK_PLATFORM_QT_HELP_WINDOW_H_

#include <QPointer>
#include <QString>

#include "platform/ports.h"

class QTextBrowser;

namespace qbk {

class HelpWindow final : public HelpViewer {
  public:
    // `contentsUrl`: the contents page, e.g. qrc:/help/index.html.
    explicit HelpWindow(QString contentsUrl) : contentsUrl_(std::move(contentsUrl)) {}
    ~HelpWindow() override;
    void showContents() override;
    void quit() override;
    bool isShown() const;

  private:
    QString contentsUrl_;
    QPointer<QTextBrowser> browser_;
};

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_HELP_WINDOW_H_
