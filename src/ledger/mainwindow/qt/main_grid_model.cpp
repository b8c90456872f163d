#include "mainwindow/qt/main_grid_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "platform/qt/qt_text.h"
#include "platform/qt/readable_colours.h"
#include "platform/qt/translations.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

constexpr int kAmountColumn = 1;
constexpr int kStampColumn = MainGridModel::kStampColumn;
constexpr int kClearedColumn = MainGridModel::kClearedColumn;
constexpr int kBalanceColumn = MainGridModel::kBalanceColumn;
constexpr std::uint32_t kPlannedChunk = 1;

QString clearedCellText(ClearedState state) {
    return state == ClearedState::Cleared      ? QStringLiteral("c")
           : state == ClearedState::Reconciled ? QStringLiteral("R")
                                               : QString();
}

QString clearedToolTip(ClearedState state) {
    return state == ClearedState::Cleared ? MainGridModel::tr("Cleared: the bank has this entry")
           : state == ClearedState::Reconciled
               ? MainGridModel::tr("Reconciled: agreed with a bank statement")
               : MainGridModel::tr("Not cleared: the bank has not shown this entry yet");
}

}  // namespace

void MainGridModel::setColours(const QColor& text, const QColor& background) {
    text_ = text;
    red_ = readableOn(QColor(255, 0, 0), background);
    blue_ = readableOn(QColor(0, 0, 255), background);
    if (rowCount() > 0)
        emit dataChanged(index(0, kAmountColumn), index(rowCount() - 1, kAmountColumn),
                         {Qt::ForegroundRole});
}

QColor MainGridModel::amountColour(AmountColour colour) const {
    switch (colour) {
        case AmountColour::Red:
            return red_;
        case AmountColour::Blue:
            return blue_;
        case AmountColour::Black:
            break;
    }
    return text_;
}

void MainGridModel::setHeaderFormat(const std::string& format) {
    std::vector<HeaderColumn> columns = parseHeaderFormat(format);
    if (columns.size() == columns_.size()) {
        columns_ = std::move(columns);
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        return;
    }
    beginResetModel();
    columns_ = std::move(columns);
    endResetModel();
}

void MainGridModel::setRows(ListView view) {
    beginResetModel();
    forecast_ = false;
    plannedBalance_.clear();
    rowBalance_.clear();
    chunks_.clear();
    rows_.clear();
    listed_.clear();
    auto chunk = std::make_shared<const ListView>(std::move(view));
    rows_.reserve(chunk->size());
    for (std::size_t i = 0; i < chunk->size(); ++i)
        rows_.push_back({0, static_cast<std::uint32_t>(i)});
    chunks_.push_back(std::move(chunk));
    endResetModel();
}

std::string MainGridModel::rowKey(const RowRef& r) const {
    const ListView& view = *chunks_[r.chunk];
    const double stamp = view.stamp(r.row);
    std::string key(reinterpret_cast<const char*>(&stamp), sizeof stamp);
    for (int column = 0; column < kStampColumn; ++column)
        key += '\x1f' + view.cell(r.row, column);
    return key;
}

std::size_t MainGridModel::appendRows(ListView view) {
    if (view.empty()) return 0;
    const auto chunkIndex = static_cast<std::uint32_t>(chunks_.size());
    chunks_.push_back(std::make_shared<const ListView>(std::move(view)));
    std::vector<RowRef> fresh;
    std::size_t already = 0;
    for (std::size_t i = 0; i < chunks_.back()->size(); ++i) {
        const RowRef r{chunkIndex, static_cast<std::uint32_t>(i)};
        std::string key = rowKey(r);
        if (listed_.count(key) > 0) {
            ++already;
            continue;
        }
        listed_.insert(std::move(key));
        fresh.push_back(r);
    }
    if (fresh.empty()) return already;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(fresh.size()) - 1);
    rows_.insert(rows_.end(), fresh.begin(), fresh.end());
    endInsertRows();
    return already;
}

void MainGridModel::setForecast(ListView planned, std::vector<Money> plannedBalance,
                                std::vector<Money> rowBalance,
                                std::function<std::string(Money)> moneyText) {
    beginResetModel();
    if (chunks_.empty()) chunks_.push_back(std::make_shared<const ListView>());
    chunks_.resize(kPlannedChunk);
    auto chunk = std::make_shared<const ListView>(std::move(planned));
    std::vector<RowRef> rows;
    rows.reserve(chunk->size() + rows_.size());
    for (std::size_t i = 0; i < chunk->size(); ++i)
        rows.push_back({kPlannedChunk, static_cast<std::uint32_t>(i)});
    for (const RowRef& r : rows_)
        if (r.chunk != kPlannedChunk) rows.push_back(r);
    rows_ = std::move(rows);
    chunks_.push_back(std::move(chunk));
    forecast_ = true;
    plannedBalance_ = std::move(plannedBalance);
    rowBalance_ = std::move(rowBalance);
    moneyText_ = std::move(moneyText);
    endResetModel();
}

bool MainGridModel::isPlanned(int row) const {
    return forecast_ && rows_.at(static_cast<std::size_t>(row)).chunk == kPlannedChunk;
}

void MainGridModel::clear() {
    beginResetModel();
    forecast_ = false;
    plannedBalance_.clear();
    rowBalance_.clear();
    chunks_.clear();
    rows_.clear();
    listed_.clear();
    endResetModel();
}

void MainGridModel::removeDataRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows(QModelIndex(), row, row);
    // A row taken off the report list can be added again.
    if (const auto it = listed_.find(rowKey(rows_[static_cast<std::size_t>(row)]));
        it != listed_.end())
        listed_.erase(it);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

std::string MainGridModel::cell(int row, int column) const {
    const RowRef& r = rows_.at(static_cast<std::size_t>(row));
    return chunks_[r.chunk]->cell(r.row, column);
}

double MainGridModel::stamp(int row) const {
    const RowRef& r = rows_.at(static_cast<std::size_t>(row));
    return chunks_[r.chunk]->stamp(r.row);
}

std::size_t MainGridModel::recordNumber(int row) const {
    const RowRef& r = rows_.at(static_cast<std::size_t>(row));
    if (isPlanned(row)) return 0;
    return chunks_[r.chunk]->recordNumber(r.row);
}

ClearedState MainGridModel::cleared(int row) const {
    const RowRef& r = rows_.at(static_cast<std::size_t>(row));
    return entry_bytes::cleared(chunks_[r.chunk]->record(r.row));
}

std::vector<double> MainGridModel::stamps() const {
    std::vector<double> s;
    s.reserve(rows_.size());
    for (const RowRef& r : rows_)
        s.push_back(chunks_[r.chunk]->stamp(r.row));
    return s;
}

int MainGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MainGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : forecast_ ? kBalanceColumn + 1 : kBalanceColumn;
}

QVariant MainGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    if (column == kBalanceColumn) {
        const RowRef& r = rows_[static_cast<std::size_t>(index.row())];
        const std::vector<Money>& balances =
            r.chunk == kPlannedChunk ? plannedBalance_ : rowBalance_;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignVCenter | Qt::AlignRight);
        if ((role != Qt::DisplayRole && role != Qt::AccessibleTextRole) || r.row >= balances.size())
            return planned(index, role);
        return qs(moneyText_(balances[r.row]));
    }
    if (const QVariant look = planned(index, role); look.isValid()) return look;
    if (column == kClearedColumn) {
        const ClearedState state = cleared(index.row());
        if (role == Qt::DisplayRole) return clearedCellText(state);
        if (role == Qt::ToolTipRole) return clearedToolTip(state);
        if (role == Qt::AccessibleTextRole)
            return state == ClearedState::None ? QString()
                                               : qs(std::string(clearedStateName(state)));
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            if (column == kStampColumn) return QString();
            return qs(cell(index.row(), column));
        case Qt::AccessibleTextRole:
            if (column == kStampColumn) return QString();
            return qs(trimBlanks(cell(index.row(), column)));
        case Qt::ForegroundRole: {
            if (column != kAmountColumn) return {};
            const RowRef& r = rows_[static_cast<std::size_t>(index.row())];
            return QBrush(amountColour(chunks_[r.chunk]->amountColour(r.row)));
        }
        case Qt::TextAlignmentRole: {
            const bool right = static_cast<std::size_t>(column) < columns_.size() &&
                               columns_[static_cast<std::size_t>(column)].rightAligned;
            return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
        }
        default:
            return {};
    }
}

QVariant MainGridModel::planned(const QModelIndex& index, int role) const {
    if (!isPlanned(index.row())) return {};
    if (role == Qt::ForegroundRole) {
        // The text colour, faded: grey on a light grid and on a dark one.
        QColor grey = text_;
        grey.setAlpha(140);
        return QBrush(grey);
    }
    if (role == Qt::FontRole) {
        QFont font;
        font.setItalic(true);
        return font;
    }
    if (role == Qt::ToolTipRole) return tr("Planned: the schedules will make this entry");
    return {};
}

QVariant MainGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section == kBalanceColumn && forecast_) {
        if (role == Qt::DisplayRole) return tr("Balance");
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignVCenter | Qt::AlignRight);
        return {};
    }
    if (orientation == Qt::Horizontal && section == kClearedColumn) {
        if (role == Qt::DisplayRole) return QStringLiteral("C");
        if (role == Qt::ToolTipRole) return tr("Cleared: c the bank has the entry, R reconciled");
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
        return {};
    }
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<std::size_t>(section) >= columns_.size())
        return {};
    const HeaderColumn& c = columns_[static_cast<std::size_t>(section)];
    // The titles the program gives are shown in the user's language; a user field's name
    // stays as typed unless it is one of them.
    if (role == Qt::DisplayRole) return translated(staticMetaObject, trimBlanks(c.title));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (c.rightAligned ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}

}  // namespace qbk
