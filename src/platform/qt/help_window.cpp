#include "platform/qt/help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace qbk {

HelpWindow::~HelpWindow() {
    delete window_;
}

void HelpWindow::create() {
    window_ = new QWidget;
    window_->setObjectName(QStringLiteral("HelpWindow"));
    window_->setWindowTitle(QCoreApplication::translate("qbk::HelpWindow", "Quillbank 3 Help"));
    browser_ = new QTextBrowser(window_);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);

    auto* bar = new QToolBar(window_);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QStyle* style = window_->style();
    QAction* back = bar->addAction(style->standardIcon(QStyle::SP_ArrowBack),
                                   QCoreApplication::translate("qbk::HelpWindow", "&Back"));
    back->setObjectName(QStringLiteral("HelpBack"));
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(style->standardIcon(QStyle::SP_ArrowForward),
                                      QCoreApplication::translate("qbk::HelpWindow", "&Forward"));
    forward->setObjectName(QStringLiteral("HelpForward"));
    forward->setShortcut(QKeySequence::Forward);
    QAction* contents = bar->addAction(style->standardIcon(QStyle::SP_DirHomeIcon),
                                       QCoreApplication::translate("qbk::HelpWindow", "&Contents"));
    back->setEnabled(false);
    forward->setEnabled(false);
    QObject::connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    QObject::connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    QObject::connect(contents, &QAction::triggered, browser_, &QTextBrowser::home);
    QObject::connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QObject::connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), window_);
    QObject::connect(close, &QShortcut::activated, window_, &QWidget::close);

    auto* layout = new QVBoxLayout(window_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_);
    window_->resize(720, 640);
}

void HelpWindow::showContents() {
    if (window_ == nullptr) create();
    if (browser_->source() != QUrl(contentsUrl_)) browser_->setSource(QUrl(contentsUrl_));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpWindow::quit() {
    if (window_ != nullptr) window_->close();
}

bool HelpWindow::isShown() const {
    return window_ != nullptr && window_->isVisible();
}

}  // namespace qbk
