#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/qt/qt_text.h"

namespace qbk {

bool QtShell::openDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(qs(path)).absoluteFilePath()));
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
