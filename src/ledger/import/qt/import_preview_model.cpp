#include "import/qt/import_preview_model.h"

#include <QBrush>
#include <QComboBox>
#include <QPalette>

#include "import/entry_matches.h"
#include "platform/qt/qt_text.h"
#include "platform/windows1252.h"

namespace qbk {

ImportPreviewModel::ImportPreviewModel(ImportBatch& batch, const RegionalSettings& regional,
                                       QObject* parent)
    : QAbstractTableModel(parent), batch_(batch), regional_(regional) {}

void ImportPreviewModel::reload() {
    beginResetModel();
    endResetModel();
}

QString ImportPreviewModel::duplicateText(Duplicate d) {
    switch (d) {
        case Duplicate::InBook:
            return tr("in the book");
        case Duplicate::SameIdInFile:
            return tr("listed twice in the file");
        case Duplicate::IdReused:
            return tr("id reused with another date or amount: not a duplicate");
        case Duplicate::None:
            break;
    }
    return {};
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(batch_.rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= batch_.rows.size()) return {};
    const ImportRow& row = batch_.rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::CheckStateRole && index.column() == Include)
        return row.included ? Qt::Checked : Qt::Unchecked;
    // A line that is an entry the user typed clears it while ticked, else adds an entry.
    if (role == Qt::CheckStateRole && index.column() == DuplicateMark && row.match)
        return row.clearsMatch ? Qt::Checked : Qt::Unchecked;
    // The cell is narrow; its tip says it whole.
    if (role == Qt::ToolTipRole && index.column() == DuplicateMark && row.match)
        return qs(matchText(*row.match, regional_) +
                  (row.clearsMatch ? ": ticked, importing marks that entry cleared and adds nothing"
                                   : ": not ticked, the line is added as a new entry"));
    if (role == Qt::TextAlignmentRole && index.column() == Amount)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole) {
        if (!row.included) return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
        if (index.column() == Amount && row.entry.amount.isNegative()) return QBrush(Qt::red);
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    switch (index.column()) {
        case Date:
            return qs(regional_.shortDate(row.entry.entryDate));
        case Amount:
            return qs(regional_.currencyText(row.entry.amount));
        case Note:
            return qs(trimBlanks(row.entry.note));
        case Category:
            return qs(trimBlanks(row.entry.categoryCode));
        case DuplicateMark:
            if (row.match)
                return qs(matchText(*row.match, regional_) +
                          (row.clearsMatch ? " (marked cleared, not added)" : " (added as new)"));
            return duplicateText(row.duplicate);
        default:
            return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    static const char* const kTitles[] = {QT_TR_NOOP("Import"),   QT_TR_NOOP("Date"),
                                          QT_TR_NOOP("Amount"),   QT_TR_NOOP("Note"),
                                          QT_TR_NOOP("Category"), QT_TR_NOOP("Duplicate")};
    return section >= 0 && section < ColumnCount ? tr(kTitles[section]) : QVariant();
}

Qt::ItemFlags ImportPreviewModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Include) f |= Qt::ItemIsUserCheckable;
    if (index.column() == DuplicateMark && batch_.rows[static_cast<std::size_t>(index.row())].match)
        f |= Qt::ItemIsUserCheckable;
    if (index.column() == Category) f |= Qt::ItemIsEditable;
    return f;
}

bool ImportPreviewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid()) return false;
    if (index.column() == Include && role == Qt::CheckStateRole) {
        batch_.rows[static_cast<std::size_t>(index.row())].included =
            value.value<Qt::CheckState>() == Qt::Checked;
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
        emit inclusionChanged();
        return true;
    }
    if (index.column() == DuplicateMark && role == Qt::CheckStateRole) {
        batch_.rows[static_cast<std::size_t>(index.row())].clearsMatch =
            value.value<Qt::CheckState>() == Qt::Checked;
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
        emit inclusionChanged();
        return true;
    }
    if (index.column() == Category && role == Qt::EditRole) {
        emit categoryChosen(index.row(), value.toString());
        return true;
    }
    return false;
}

QWidget* CategoryPickDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex&) const {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("CategoryPick"));
    for (const auto& [code, name] : categories_)
        box->addItem(name.isEmpty() ? code : code + QStringLiteral("  ") + name, code);
    // A pick is taken at once, not when the box loses the focus.
    connect(box, &QComboBox::activated, this, [this, box] {
        auto* self = const_cast<CategoryPickDelegate*>(this);
        emit self->commitData(box);
        emit self->closeEditor(box);
    });
    return box;
}

void CategoryPickDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    box->setCurrentIndex(box->findData(index.data(Qt::EditRole).toString()));
}

void CategoryPickDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
    const auto* box = static_cast<QComboBox*>(editor);
    if (box->currentIndex() < 0) return;
    model->setData(index, box->currentData().toString(), Qt::EditRole);
}

}  // namespace qbk
