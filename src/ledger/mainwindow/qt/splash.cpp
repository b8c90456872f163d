#include "mainwindow/qt/splash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/errors.h"
#include "platform/qt/qt_text.h"
#include "platform/windows1252.h"
#include "store/book_files.h"

namespace qbk {

std::string upgradeNoticeText() {
    return "IMPORTANT NOTICE FOR THOSE UPGRADING FROM PREVIOUS VERSION 2.X\r\n\r\n"
           "You must run the separate data conversion program in order to see your existing "
           "data. During installation, your were prompted to include the converter - if you "
           "missed that, then please run the installation program again to create a desktop "
           "shortcut for the converter. Run the converter, then remove the converter shortcut "
           "after successfully creating new data files.\r\n\r\n"
           "This message will not be shown again. Thanks - we think you will be pleased with "
           "the new program!";
}

qbk3Splash::qbk3Splash(Services& services) : QWidget(nullptr, Qt::Window), services_(services) {
    setObjectName(QStringLiteral("qbk3Splash"));
    setWindowTitle(QStringLiteral("Quillbank 3"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* title = new QLabel(QStringLiteral("Quillbank 3"), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(tr("Cashflow record - version 3.0"), this);
    version->setAlignment(Qt::AlignCenter);

    SplashPasswordLabel = new QLabel(tr("&Password"), this);
    SplashPasswordLabel->setObjectName(QStringLiteral("SplashPasswordLabel"));
    UserPasswordBox = new QLineEdit(this);
    UserPasswordBox->setObjectName(QStringLiteral("UserPasswordBox"));
    SplashPasswordLabel->setBuddy(UserPasswordBox);
    UserPasswordBox->setEchoMode(QLineEdit::Password);
    UserPasswordBox->setMaxLength(static_cast<int>(settings_layout::kUserPasswordWidth));
    UserPasswordBox->setToolTip(tr("Enter (optional) password here"));
    Command1 = new QPushButton(tr("&Continue"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(tr("Click to continue"));
    Command1->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addSpacing(20);
    layout->addWidget(SplashPasswordLabel);
    layout->addWidget(UserPasswordBox);
    layout->addWidget(Command1);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));

    connect(Command1, &QPushButton::clicked, this, &qbk3Splash::Command1_Click);
    connect(UserPasswordBox, &QLineEdit::returnPressed, this, &qbk3Splash::Command1_Click);
}

std::optional<SettingsRecord> qbk3Splash::Form_Load() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    try {
        const SettingsLoad load =
            loadSettings(services_.programFolder + std::string(kSettingsFileName));
        settings_ = load.settings;
        if (load.created)
            services_.prompts.message(
                {upgradeNoticeText(), "Upgrading?", Icon::Information, Buttons::Ok, 1});
    } catch (const OperationError& e) {
        // Running on the defaults would skip the password the file may hold: the
        // message names the file, which the user can repair or remove, and the program
        // ends.
        services_.prompts.message(
            {commonErrorText(e), std::string(kCommonErrorTitle), Icon::Critical, Buttons::Ok, 1});
        hide();
        services_.endProgram();
        return std::nullopt;
    }
    QApplication::processEvents();  // let the window be drawn
    if (trimField(settings_.userPassword()).empty()) {
        Command1->setEnabled(false);
    } else {
        UserPasswordBox->setFocus();
    }
    return settings_;
}

void qbk3Splash::Command1_Click() {
    if (failedAttempts_ > 2) {
        services_.endProgram();
        return;
    }
    const std::string stored = settings_.userPassword();
    const std::string_view password = trimField(stored);
    // Compared as stored: a character Windows-1252 lacks was saved as "?".
    const std::string typed =
        fromWindows1252(toWindows1252(trimBlanks(utf8(UserPasswordBox->text()))));
    if (!password.empty() && typed != password) {
        ++failedAttempts_;
        services_.prompts.message(
            {"This program is password protected. You must enter the correct password in the box "
             "in order to enter.\r\n\r\nYou may make " +
                 std::to_string(3 - failedAttempts_) + " more attempts to enter the correct code.",
             "Incorrect Password!", Icon::Exclamation, Buttons::Ok, 1});
        return;
    }
    setCursor(Qt::WaitCursor);
    closeWithAccess();
}

void qbk3Splash::closeWithAccess() {
    granted_ = true;
    close();
}

void qbk3Splash::closeEvent(QCloseEvent* event) {
    event->accept();
    if (granted_) {
        emit accessGranted();
        return;
    }
    // The window closed without the password: the book stays locked.
    services_.endProgram();
}

}  // namespace qbk
