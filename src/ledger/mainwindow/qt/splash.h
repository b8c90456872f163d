// The start-up window qbk3Splash: shows the product while the settings load, and asks
// for the start-up password when one is set.
#ifndef QBK_MAINWINDOW_QT_SPLASH_H_
#define QBK_MAINWINDOW_QT_SPLASH_H_

#include <QWidget>
#include <optional>

#include "mainwindow/qt/services.h"
#include "store/settings_record.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qbk {

class qbk3Splash : public QWidget {
    Q_OBJECT
  public:
    explicit qbk3Splash(Services& services);

    // The load handler: shows the window, runs the start-up load of the settings file
    // (creating it with the one-time notice on the first start) and readies the password
    // prompt. Returns the settings record read. A settings file that cannot be read or
    // is damaged gives the common error message naming it and ends the program (the
    // defaults would skip its password): nullopt.
    std::optional<SettingsRecord> Form_Load();

    // The password check of the button.
    void Command1_Click();
    // Closes the window as the start-up allows (right password, or none set).
    void closeWithAccess();

    int failedAttempts() const { return failedAttempts_; }

  signals:
    // The window closed with access granted: the main window appears.
    void accessGranted();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Services& services_;
    SettingsRecord settings_;
    QLabel* SplashPasswordLabel;
    QLineEdit* UserPasswordBox;
    QPushButton* Command1;
    int failedAttempts_ = 0;
    bool granted_ = false;
};

// The notice shown once, when the first start creates the settings file.
std::string upgradeNoticeText();

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_SPLASH_H_
