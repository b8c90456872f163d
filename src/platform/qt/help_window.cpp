#include "platform/qt/help_window.h"

#include <QTextBrowser>
#include <QUrl>

namespace qbk {

HelpWindow::~HelpWindow() {
    delete browser_;
}

void HelpWindow::showContents() {
    if (browser_ == nullptr) {
        browser_ = new QTextBrowser;
        browser_->setObjectName(QStringLiteral("HelpWindow"));
        browser_->setWindowTitle(QStringLiteral("Quillbank 3 Help"));
        browser_->setOpenExternalLinks(true);
        browser_->resize(720, 640);
    }
    browser_->setSource(QUrl(contentsUrl_));
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

void HelpWindow::quit() {
    if (browser_ != nullptr) browser_->close();
}

bool HelpWindow::isShown() const {
    return browser_ != nullptr && browser_->isVisible();
}

}  // namespace qbk
