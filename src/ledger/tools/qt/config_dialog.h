// QBK3Config: the settings dialog. It reads qbk3.ini when it opens (the window's
// settings in memory are replaced by what the file holds), shows the fields, and
// writes the file when the user saves. What it stores and refuses comes from
// tools/settings_form.h.
#ifndef QBK_TOOLS_QT_CONFIG_DIALOG_H_
#define QBK_TOOLS_QT_CONFIG_DIALOG_H_

#include <QDialog>
#include <string>

#include "store/settings_record.h"
#include "tools/settings_form.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qbk {

class QBK_3_Main;

class QBK3Config : public QDialog {
    Q_OBJECT
  public:
    // A dialog over `window`. "Use Current" puts `currentFolder` into a path box.
    QBK3Config(QBK_3_Main& window, std::string currentFolder);

    // Reads the settings file into the window's settings and fills the fields. False,
    // after the common error message, when the file cannot be read (the dialog is then
    // not to be shown).
    bool Form_Load();
    void AltFolder1Save_Click();
    void AltFolder2Save_Click();
    // Stores the fields and writes the file, then closes the dialog. A month or day
    // that is no valid date part is refused by a message and nothing is written; a
    // failed write shows the common error message. The dialog stays open then, with
    // everything typed.
    void SaveConfig_Click();
    // Closes the dialog; nothing is stored.
    void QuitConfig_Click();

    // What the fields hold.
    SettingsForm form() const;
    // Fills the fields.
    void setForm(const SettingsForm& form);

  private:
    void createFields();
    void createStartupOptions();
    void createButtons();
    // The fields in rows beside the start-up options, the buttons below; the Tab order.
    void layOut();
    QLineEdit* makeEdit(const char* name, const QString& tip);
    QLabel* makeLabel(const char* name, const QString& caption);

    QBK_3_Main& window_;
    std::string currentFolder_;
    SettingsRecord read_;

    QLabel* Label1;
    QLineEdit* FYMonth;
    QLabel* Label2;
    QLineEdit* FYDay;
    QLabel* PasswordLabel;
    QLineEdit* PasswordEd;  // masked, at most the 10 characters the field holds
    QCheckBox* ShowPassword;
    QLabel* OwnerNameLabel;
    QLineEdit* OwnerNameEd;
    QGroupBox* InitDisplayFrame;
    QButtonGroup* startupOptions_;
    QLabel* UDF1NameLabel;
    QLineEdit* UDF1NameEd;
    QLabel* UDF2NameLabel;
    QLineEdit* UDF2NameEd;
    QCheckBox* UDF1Save;
    QCheckBox* UDF2Save;
    QCheckBox* TranslatedCaptions;
    QLabel* EditorNameLabel;
    QLineEdit* EditorName;
    QLabel* AltFolder1NameLabel;
    QLineEdit* AltFolder1Path;
    QLabel* AltFolder2NameLabel;
    QLineEdit* AltFolder2Path;
    QPushButton* AltFolder1Save;
    QPushButton* AltFolder2Save;
    QPushButton* SaveConfig;
    QPushButton* QuitConfig;
};

}  // namespace qbk

#endif  // QBK_TOOLS_QT_CONFIG_DIALOG_H_
