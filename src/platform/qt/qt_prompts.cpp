#include "platform/qt/qt_prompts.h"

#include <algorithm>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>

#include "platform/qt/qt_text.h"
#include "platform/qt/translations.h"

namespace qbk {

QString qtNameFilters(const std::string& filter) {
    const QStringList parts = qs(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // A description that names its patterns already, "Text (*.txt)", stands as it is.
        if (parts[i].contains(QLatin1Char('('))) {
            filters << parts[i];
            continue;
        }
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

QWidget* QtPrompts::owner() const {
    // Over the window the user works in, so that a tool window of its own (the game, the
    // calculator) stays in front of the main window.
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_;
}

Answer QtPrompts::message(const Message& m) {
    QMessageBox box(owner());
    box.setWindowTitle(shownMessage(m.title));
    box.setText(shownMessage(m.text));
    switch (m.icon) {
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::None:
            break;
    }
    std::vector<std::pair<QPushButton*, Answer>> buttons;
    auto add = [&](QMessageBox::StandardButton b, Answer a) {
        buttons.emplace_back(box.addButton(b), a);
    };
    switch (m.buttons) {
        case Buttons::Ok:
            add(QMessageBox::Ok, Answer::Ok);
            break;
        case Buttons::OkCancel:
            add(QMessageBox::Ok, Answer::Ok);
            add(QMessageBox::Cancel, Answer::Cancel);
            break;
        case Buttons::YesNo:
            add(QMessageBox::Yes, Answer::Yes);
            add(QMessageBox::No, Answer::No);
            break;
        case Buttons::YesNoCancel:
            add(QMessageBox::Yes, Answer::Yes);
            add(QMessageBox::No, Answer::No);
            add(QMessageBox::Cancel, Answer::Cancel);
            break;
    }
    const auto index = static_cast<std::size_t>(m.defaultButton - 1);
    if (index < buttons.size()) box.setDefaultButton(buttons[index].first);
    box.exec();
    for (const auto& [button, answer] : buttons)
        if (box.clickedButton() == button) return answer;
    // Closed without a button: the answer that changes nothing.
    switch (m.buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<std::string> QtPrompts::input(const std::string& title, const std::string& prompt,
                                            const std::string& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), shownMessage(title), shownMessage(prompt),
                                               QLineEdit::Normal, qs(defaultText), &ok);
    if (!ok) return std::nullopt;
    return utf8(text);
}

QString withFilterSuffix(const QString& path, const QString& nameFilter) {
    if (!QFileInfo(path).suffix().isEmpty()) return path;
    static const QRegularExpression kFirstPattern(QStringLiteral("\\*\\.(\\w+)[ )]"));
    const QRegularExpressionMatch match = kFirstPattern.match(nameFilter);
    return match.hasMatch() ? path + QLatin1Char('.') + match.captured(1) : path;
}

namespace {

// Wide enough for the names, sizes and dates of the files.
void makeRoomy(QFileDialog& dialog) {
    const QSize hint = dialog.sizeHint();
    dialog.resize(std::max(hint.width(), 900), std::max(hint.height(), 540));
}

// The chosen file; a new name typed without an extension gets that of the filter chosen.
std::string chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    if (QFileInfo::exists(path)) return utf8(path);
    return utf8(withFilterSuffix(path, dialog.selectedNameFilter()));
}

}  // namespace

std::string QtPrompts::openFile(const FileDialog& d, bool mayCreate) {
    QFileDialog dialog(owner(), shownMessage(d.title), qs(d.folder), qtNameFilters(d.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mayCreate ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    makeRoomy(dialog);
    if (!d.fileName.empty()) dialog.selectFile(qs(d.fileName));
    return chosenFile(dialog);
}

std::string QtPrompts::saveFile(const FileDialog& d) {
    QFileDialog dialog(owner(), shownMessage(d.title), qs(d.folder), qtNameFilters(d.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The commands ask their own question about an existing file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    makeRoomy(dialog);
    if (!d.fileName.empty()) dialog.selectFile(qs(d.fileName));
    return chosenFile(dialog);
}

}  // namespace qbk
