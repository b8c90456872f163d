#include "converter/qt/folder_list.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace qbk::converter {
namespace {
constexpr int kPathRole = Qt::UserRole;
constexpr int kIndentPerLevel = 2;  // blanks before a folder name per level
}  // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
}

bool FolderList::setPath(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir()) return false;
    const QString cleaned = QDir::cleanPath(info.absoluteFilePath());
    if (cleaned == path_) return true;
    path_ = cleaned;
    refill();
    emit pathChanged(path_);
    return true;
}

void FolderList::refill() {
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList chain;
    for (QDir dir(path_);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    int level = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& folder : chain) {
        const QString name = level == 0 ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(open, QString(level * kIndentPerLevel, ' ') + name, this);
        item->setData(kPathRole, folder);
        current = item;
        ++level;
    }
    // Hidden folders are listed too: old data often sits in a Windows prefix such as
    // ~/.wine.
    const QDir dir(path_);
    const QStringList children = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                               QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children) {
        auto* item =
            new QListWidgetItem(closed, QString(level * kIndentPerLevel, ' ') + child, this);
        item->setData(kPathRole, dir.absoluteFilePath(child));
    }
    setCurrentItem(current);
}

}  // namespace qbk::converter
