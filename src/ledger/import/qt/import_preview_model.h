// The preview table of the import window: one row per line of the batch, with a box to
// include it, its date, amount, note, category and duplicate mark. The model adapts the
// window's batch; a category picked in the table is handed to the window, which decides
// what follows (a learned rule placing other rows).
#ifndef QBK_IMPORT_QT_IMPORT_PREVIEW_MODEL_H_
#define QBK_IMPORT_QT_IMPORT_PREVIEW_MODEL_H_

#include <QAbstractTableModel>
#include <QString>
#include <QStyledItemDelegate>
#include <utility>
#include <vector>

#include "import/import_batch.h"
#include "platform/regional.h"

namespace qbk {

class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Include, Date, Amount, Note, Category, DuplicateMark, ColumnCount };

    ImportPreviewModel(ImportBatch& batch, const RegionalSettings& regional, QObject* parent);

    // The batch changed as a whole (a new file, new links) or in many rows (rules).
    void reload();

    // "in the book", "earlier in the file", or "".
    static QString duplicateText(Duplicate d);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    // The user picked `code` for row `row`.
    void categoryChosen(int row, const QString& code);
    // A row was included or left out.
    void inclusionChanged();

  private:
    ImportBatch& batch_;
    const RegionalSettings& regional_;
};

// The editor of the category column: the categories of the category file to pick from,
// each shown by its code and name.
class CategoryPickDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit CategoryPickDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
    // Code and name of each category, in list order.
    void setCategories(std::vector<std::pair<QString, QString>> categories) {
        categories_ = std::move(categories);
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    std::vector<std::pair<QString, QString>> categories_;
};

}  // namespace qbk

#endif  // QBK_IMPORT_QT_IMPORT_PREVIEW_MODEL_H_
