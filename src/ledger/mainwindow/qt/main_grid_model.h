// The rows of the record grid MainGrid, as the list refresh computed them. The model
// only adapts them to the view: texts are made for the cells the view paints.
#ifndef QBK_MAINWINDOW_QT_MAIN_GRID_MODEL_H_
#define QBK_MAINWINDOW_QT_MAIN_GRID_MODEL_H_

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "mainwindow/grid_layout.h"
#include "mainwindow/list_refresh.h"

namespace qbk {

class MainGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit MainGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The header format string ("<Date  |>Amount ..."): column titles and alignment.
    void setHeaderFormat(const std::string& format);
    const std::vector<HeaderColumn>& columns() const { return columns_; }

    // Replaces the rows (list mode) or adds them below the others (report mode).
    void setRows(ListView view);
    void appendRows(ListView view);
    void clear();
    // Removes data row `row` (0-based); the report list's Delete key.
    void removeDataRow(int row);

    // The cell text and the stamp of data row `row` (0-based).
    std::string cell(int row, int column) const;
    double stamp(int row) const;
    // The number of the record row `row` shows, from 1 (0 for rows of a report list).
    std::size_t recordNumber(int row) const;
    // The stamps of all rows, top to bottom.
    std::vector<double> stamps() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct RowRef {
        std::uint32_t chunk;
        std::uint32_t row;
    };
    std::vector<std::shared_ptr<const ListView>> chunks_;
    std::vector<RowRef> rows_;
    std::vector<HeaderColumn> columns_;
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_MAIN_GRID_MODEL_H_
