// Follows changes that another program (a second window, qbk3-cli, the converter) makes
// to the book the window shows: the record file and the category file.
//
// Files are replaced by an atomic rename, so the folder is watched as well as the
// files, the files are watched again (on the file the path names now) after each
// change, and the files are looked at every two seconds for what no watch reports. A change is
// reported once the files have been quiet for a moment, and only when a file differs (identity,
// size, modification time) from what the window last read: the window's own writes, which it reads
// back at once, are not reported.
#ifndef QBK_MAINWINDOW_QT_BOOK_WATCHER_H_
#define QBK_MAINWINDOW_QT_BOOK_WATCHER_H_

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <string>

namespace qbk {

class BookWatcher final : public QObject {
    Q_OBJECT
  public:
    explicit BookWatcher(QObject* parent = nullptr);

    // Watches the two files of a data folder (replacing what was watched).
    void watch(const std::string& recordFilePath, const std::string& categoryFilePath);
    // The window has just read the record file / the category file.
    void recordFileRead();
    void categoryFileRead();

  signals:
    void recordFileChanged();
    void categoryFileChanged();

  private:
    struct Signature {
        unsigned long long inode = 0, size = 0;
        long long mtimeNs = 0;
        bool operator==(const Signature&) const = default;
    };
    static Signature signatureOf(const std::string& path);
    void rewatch();
    void check();

    QFileSystemWatcher watcher_;
    QTimer quiet_;
    QTimer poll_;
    std::string recordPath_, categoryPath_;
    Signature recordSeen_, categorySeen_;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_BOOK_WATCHER_H_
