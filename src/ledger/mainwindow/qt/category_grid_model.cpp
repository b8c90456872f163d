#include "mainwindow/qt/category_grid_model.h"

#include "platform/qt/qt_text.h"
#include "platform/qt/translations.h"
#include "platform/windows1252.h"

namespace qbk {

CategoryGridModel::CategoryGridModel(QObject* parent)
    : QAbstractTableModel(parent), columns_(parseHeaderFormat(kCategoryHeaderFormat)) {}

void CategoryGridModel::setCategories(std::vector<CategoryRecord> categories) {
    beginResetModel();
    categories_ = std::move(categories);
    endResetModel();
}

int CategoryGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(categories_.size());
}

int CategoryGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant CategoryGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
    const CategoryRecord& c = categories_[static_cast<std::size_t>(index.row())];
    const std::string& text = index.column() == 0 ? c.catCode : c.catName;
    // Codes stand with their padding on screen; assistive technology reads them without.
    return qs(role == Qt::DisplayRole ? text : trimBlanks(text));
}

QVariant CategoryGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 1)
        return {};
    return translated(staticMetaObject,
                      trimBlanks(columns_[static_cast<std::size_t>(section)].title));
}

}  // namespace qbk
