#pragma once
// The Qt item model between a RowSource and the list format: one model column per format column, cell
// texts through the column's display picture, and the column's alignment, indent, colours and lines as
// item roles for the delegate and the header.
#include <QAbstractTableModel>
#include <QIcon>
#include <functional>
#include <memory>

#include "core/listformat/list_format.h"
#include "gui/listcontrol/row_source.h"

namespace kvilo::listcontrol {

class FormatTableModel : public QAbstractTableModel {
public:
    enum Role {
        IndentRole = Qt::UserRole + 1, // dialog units of indent on the aligned side
        SelectedForegroundRole,        // QColor, invalid = the list's selected text colour
        SelectedBackgroundRole,        // QColor, invalid = the list's selection bar colour
        RightBorderRole,               // bool: separator line on the right of the cell
        UnderlineRole,                 // bool: line under the cell
        DecimalRole,                   // bool: the indent places the decimal point from the right edge
        MarkedRole,                    // bool: the row's text is drawn in the mark's red
    };

    // The format is shared with the list that changes it; the list calls formatChanged() after a change.
    explicit FormatTableModel(std::shared_ptr<const listformat::ListFormat> format, QObject* parent = nullptr);

    void setRowSource(const RowSource* source);
    void setIconProvider(std::function<QIcon(int)> provider) { icons_ = std::move(provider); }
    // The rows changed as a whole.
    void reset();
    // The format changed: a reset when the number of columns did, otherwise a repaint of every cell and
    // header, so that the current row and the selection survive an edit of one column.
    void formatChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant cellText(int row, const listformat::Column& column) const;
    QColor colour(int row, const listformat::Column& column, const listformat::Item& item,
                  long listformat::Colours::*which) const;

    std::shared_ptr<const listformat::ListFormat> format_;
    const RowSource* source_ = nullptr;
    int columns_ = 0; // the column count the views know
    std::function<QIcon(int)> icons_;
};

// Qt's alignment for a format justification (decimal columns are right-aligned).
Qt::Alignment QtAlignment(listformat::Justify justify);

} // namespace kvilo::listcontrol
