#include "mainwindow/qt/book_watcher.h"

#include <sys/stat.h>

#include "platform/files.h"

namespace qbk {

namespace {
// Long enough for a writer's rename and sync to settle, short enough to feel at once.
constexpr int kQuietMs = 150;
// A look at the files now and then, for the changes no watch reports (a file system
// without notifications, a watch limit reached): two stat calls.
constexpr int kPollMs = 2000;
}  // namespace

BookWatcher::BookWatcher(QObject* parent) : QObject(parent) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    connect(&quiet_, &QTimer::timeout, this, &BookWatcher::check);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { quiet_.start(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { quiet_.start(); });
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &BookWatcher::check);
    poll_.start();
}

BookWatcher::Signature BookWatcher::signatureOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return {static_cast<unsigned long long>(st.st_ino), static_cast<unsigned long long>(st.st_size),
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

void BookWatcher::watch(const std::string& recordFilePath, const std::string& categoryFilePath) {
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    recordPath_ = recordFilePath;
    categoryPath_ = categoryFilePath;
    recordSeen_ = signatureOf(recordPath_);
    categorySeen_ = signatureOf(categoryPath_);
    const std::string folder = parentFolder(recordPath_);
    if (!folder.empty()) watcher_.addPath(QString::fromStdString(folder));
    rewatch();
}

void BookWatcher::rewatch() {
    // A watch follows the file it was set on, not its path: after a rename over the path
    // the old file may live on (the undo history keeps it as a link) and go on being
    // watched. So each path is watched afresh, on the file it names now.
    for (const std::string* path : {&recordPath_, &categoryPath_}) {
        const QString p = QString::fromStdString(*path);
        if (watcher_.files().contains(p)) watcher_.removePath(p);
        if (!path->empty() && fileExists(*path)) watcher_.addPath(p);
    }
}

void BookWatcher::recordFileRead() {
    recordSeen_ = signatureOf(recordPath_);
}

void BookWatcher::categoryFileRead() {
    categorySeen_ = signatureOf(categoryPath_);
}

void BookWatcher::check() {
    if (recordPath_.empty()) return;
    const bool changed =
        signatureOf(categoryPath_) != categorySeen_ || signatureOf(recordPath_) != recordSeen_;
    if (changed || sender() != &poll_) rewatch();
    if (signatureOf(categoryPath_) != categorySeen_) {
        categoryFileRead();
        emit categoryFileChanged();
    }
    if (signatureOf(recordPath_) != recordSeen_) {
        recordFileRead();
        emit recordFileChanged();
    }
}

}  // namespace qbk
