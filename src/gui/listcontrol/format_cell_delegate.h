#pragma once
// Paints one cell of a format-driven list: the column's colours (or the list's selection colours), the
// value aligned with its indent, an icon before it, and the column's separator and underline in the
// list's grid colour.
#include <QStyledItemDelegate>

namespace kvilo::listcontrol {

class FormatCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // An invalid colour draws the lines in the palette's mid colour.
    void setGridColour(const QColor& colour) { grid_ = colour; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QColor grid_;
};

} // namespace kvilo::listcontrol
