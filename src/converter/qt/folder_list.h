// The folder list: the folders from the root down to the current one, then the folders
// inside it. Activating an entry (double click or Enter) makes it the current folder.
#ifndef QBK_CONVERTER_QT_FOLDER_LIST_H_
#define QBK_CONVERTER_QT_FOLDER_LIST_H_

#include <QListWidget>
#include <QString>

namespace qbk::converter {

class FolderList : public QListWidget {
    Q_OBJECT
  public:
    explicit FolderList(QWidget* parent = nullptr);

    // The current folder, without "/" at its end (except the root).
    QString path() const { return path_; }
    // Shows `folder`; emits pathChanged when it differs from the current one. A folder
    // that does not exist leaves the list as it was and returns false.
    bool setPath(const QString& folder);

  signals:
    void pathChanged(const QString& path);

  private:
    void refill();

    QString path_;
};

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_QT_FOLDER_LIST_H_
