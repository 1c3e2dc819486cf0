#include "gui/listcontrol/format_table_model.h"

#include "base/pictures.h"
#include "core/framework/qt_text.h"
#include "gui/listcontrol/list_colours.h"

namespace kvilo::listcontrol {

using listformat::Column;
using listformat::Item;

Qt::Alignment QtAlignment(listformat::Justify justify) {
    switch (justify) {
    case listformat::Justify::Right:
    case listformat::Justify::Decimal:
        return Qt::AlignRight | Qt::AlignVCenter;
    case listformat::Justify::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

namespace {

// The row's colour for the cell, else the column's own, else the one its group gives its members.
QColor Effective(const listformat::Colours& cell, const Column& column, const Item& item,
                 long listformat::Colours::*which) {
    for (const listformat::Colours* c : {&cell, &column.colours, item.isGroup ? &item.group.colours : nullptr})
        if (c && c->*which != listformat::kNoColour) return ListColour(c->*which);
    return {};
}

} // namespace

FormatTableModel::FormatTableModel(std::shared_ptr<const listformat::ListFormat> format, QObject* parent)
    : QAbstractTableModel(parent), format_(std::move(format)) {}

void FormatTableModel::setRowSource(const RowSource* source) {
    source_ = source;
    reset();
}

void FormatTableModel::reset() {
    beginResetModel();
    columns_ = format_->columnCount();
    endResetModel();
}

void FormatTableModel::formatChanged() {
    if (format_->columnCount() != columns_) {
        reset();
        return;
    }
    if (columns_ == 0) return;
    emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columns_ - 1));
}

int FormatTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !source_ ? 0 : source_->rowCount();
}

int FormatTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant FormatTableModel::cellText(int row, const Column& column) const {
    const base::Variant value = source_->field(row, column.field);
    if (column.picture.empty()) return framework::ToQString(value.text());
    return framework::ToQString(base::FormatPicture(value, column.picture));
}

QColor FormatTableModel::colour(int row, const Column& column, const Item& item,
                                long listformat::Colours::*which) const {
    return Effective(source_->cellColours(row, column.field), column, item, which);
}

QVariant FormatTableModel::data(const QModelIndex& index, int role) const {
    const Column* column = format_->column(index.column() + 1);
    const Item* item = format_->itemOf(index.column() + 1);
    if (!column || !source_ || index.row() < 0 || index.row() >= source_->rowCount()) return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), *column);
    case Qt::DecorationRole: {
        const int icon = source_->iconIndex(index.row(), column->field);
        return icon > 0 && icons_ ? QVariant(icons_(icon)) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(QtAlignment(column->alignment.justify));
    case IndentRole:
        return column->alignment.indent;
    case Qt::ForegroundRole:
        return colour(index.row(), *column, *item, &listformat::Colours::text);
    case Qt::BackgroundRole:
        return colour(index.row(), *column, *item, &listformat::Colours::background);
    case SelectedForegroundRole:
        return colour(index.row(), *column, *item, &listformat::Colours::selectedText);
    case SelectedBackgroundRole:
        return colour(index.row(), *column, *item, &listformat::Colours::selectedBackground);
    case RightBorderRole:
        return column->rightBorder || (item->isGroup && item->group.rightBorder && column == &item->columns.back());
    case UnderlineRole:
        return column->underline || (item->isGroup && item->group.underline);
    case DecimalRole:
        return column->alignment.justify == listformat::Justify::Decimal;
    case MarkedRole:
        return source_->marked(index.row());
    default:
        return {};
    }
}

QVariant FormatTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const Column* column = format_->column(section + 1);
    if (orientation != Qt::Horizontal || !column) return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return framework::ToQString(column->header);
    case Qt::ForegroundRole:
        return ListColour(column->headerColour);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(QtAlignment(format_->headerAlignment(section + 1).justify));
    case IndentRole:
        return format_->headerAlignment(section + 1).indent;
    default:
        return {};
    }
}

} // namespace kvilo::listcontrol
