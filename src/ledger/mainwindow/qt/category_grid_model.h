// The rows of the category list CategoryGrid: code and name of every category, in the
// order of the category file.
#ifndef QBK_MAINWINDOW_QT_CATEGORY_GRID_MODEL_H_
#define QBK_MAINWINDOW_QT_CATEGORY_GRID_MODEL_H_

#include <QAbstractTableModel>
#include <vector>

#include "mainwindow/grid_layout.h"
#include "store/category_record.h"

namespace qbk {

// The header of the category list; its second column shows the names.
inline constexpr std::string_view kCategoryHeaderFormat =
    "<Code      |<Description                          ";

class CategoryGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CategoryGridModel(QObject* parent = nullptr);
    void setCategories(std::vector<CategoryRecord> categories);
    // CatCode (10 characters) and CatName (20 characters) of row `row`, as stored.
    const std::string& code(int row) const {
        return categories_.at(static_cast<std::size_t>(row)).catCode;
    }
    const std::string& name(int row) const {
        return categories_.at(static_cast<std::size_t>(row)).catName;
    }
    const std::vector<HeaderColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<CategoryRecord> categories_;
    std::vector<HeaderColumn> columns_;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_CATEGORY_GRID_MODEL_H_
