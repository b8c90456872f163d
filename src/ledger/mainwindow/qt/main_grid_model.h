// The rows of the record grid MainGrid, as the list refresh computed them. The model
// only adapts them to the view: texts are made for the cells the view paints. The stamp
// column is there for the commands (stamp()), never shown or read out: its cells are
// blank. Assistive technology reads the cells without their padding. A narrow last
// column shows the cleared mark of each entry (blank, "c" cleared, "R" reconciled);
// the window draws it first.
#ifndef QBK_MAINWINDOW_QT_MAIN_GRID_MODEL_H_
#define QBK_MAINWINDOW_QT_MAIN_GRID_MODEL_H_

#include <QAbstractTableModel>
#include <QColor>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "mainwindow/grid_layout.h"
#include "mainwindow/list_refresh.h"
#include "store/entry_record.h"

namespace qbk {

class MainGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit MainGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    static constexpr int kStampColumn = 6;
    static constexpr int kClearedColumn = 7;
    static constexpr int kBalanceColumn = 8;  // while a forecast is shown

    // The header format string ("<Date  |>Amount ..."): column titles and alignment.
    void setHeaderFormat(const std::string& format);
    const std::vector<HeaderColumn>& columns() const { return columns_; }

    // The colours the amounts are drawn in for the grid's text and background: red for
    // money out and blue for zero, made readable on that background; money in in the
    // text colour.
    void setColours(const QColor& text, const QColor& background);
    QColor amountColour(AmountColour colour) const;

    // Replaces the rows (list mode) or adds them below the others (report mode). A report
    // list holds an entry once: appendRows leaves out the rows it holds already (same
    // stamp and texts) and gives their number.
    void setRows(ListView view);
    std::size_t appendRows(ListView view);
    void clear();
    // The register continued ahead: `planned` rows (entries the book's schedules will
    // make, never written) above the rows, drawn grey and in italics, and a last column
    // "Balance" with the balance after each row, as `moneyText` writes it. Until the
    // next setRows or clear.
    void setForecast(ListView planned, std::vector<Money> plannedBalance,
                     std::vector<Money> rowBalance, std::function<std::string(Money)> moneyText);
    bool isPlanned(int row) const;
    // The rows of the list as setRows got them (nullptr when there are none).
    const ListView* listView() const { return chunks_.empty() ? nullptr : chunks_[0].get(); }
    // Removes data row `row` (0-based); the report list's Delete key.
    void removeDataRow(int row);

    // The cell text and the stamp of data row `row` (0-based).
    std::string cell(int row, int column) const;
    double stamp(int row) const;
    ClearedState cleared(int row) const;
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
    // The rows of a report list by stamp and texts.
    std::multiset<std::string> listed_;
    std::string rowKey(const RowRef& r) const;
    // The look of a planned row for `role` (grey, italics, its tip); invalid otherwise.
    QVariant planned(const QModelIndex& index, int role) const;
    // The forecast: its planned rows are those of chunk kPlannedChunk.
    bool forecast_ = false;
    std::vector<Money> plannedBalance_, rowBalance_;
    std::function<std::string(Money)> moneyText_;
    QColor text_ = QColor(0, 0, 0), red_ = QColor(255, 0, 0), blue_ = QColor(0, 0, 255);
};

}  // namespace qbk

#endif  // QBK_MAINWINDOW_QT_MAIN_GRID_MODEL_H_
