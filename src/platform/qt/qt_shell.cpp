#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include "platform/qt/qt_text.h"

namespace qbk {

namespace {

// What xdg-mime answers, or nothing when it does not answer in time.
QString askXdgMime(const QString& program, const QStringList& arguments) {
    QProcess query;
    query.start(program, arguments);
    if (!query.waitForFinished(3000) || query.exitCode() != 0) return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

// False when the desktop surely has no program for the file: xdg-open would start and
// then fail where nobody sees it.
bool desktopHasProgramFor(const QString& file) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return true;  // then the desktop's own opener decides
    const QString type =
        askXdgMime(xdgMime, {QStringLiteral("query"), QStringLiteral("filetype"), file});
    if (type.isEmpty()) return true;
    return !askXdgMime(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type})
                .isEmpty();
}

}  // namespace

bool QtShell::openDocument(const std::string& path) {
    const QString file = QFileInfo(qs(path)).absoluteFilePath();
    if (!desktopHasProgramFor(file)) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool QtShell::openUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(qs(url)));
}

bool QtShell::startProgram(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& workingFolder) {
    QStringList args;
    for (const std::string& a : arguments)
        args << qs(a);
    return QProcess::startDetached(qs(program), args, qs(workingFolder));
}

}  // namespace qbk
