#include "gui/listcontrol/group_header_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include "core/framework/qt_text.h"
#include "gui/listcontrol/dialog_units.h"
#include "gui/listcontrol/format_table_model.h"
#include "gui/listcontrol/list_colours.h"

namespace kvilo::listcontrol {

GroupHeaderView::GroupHeaderView(std::shared_ptr<const listformat::ListFormat> format, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), format_(std::move(format)) {
    setSectionsClickable(true);
    setHighlightSections(false);
}

bool GroupHeaderView::hasGroups() const {
    for (const listformat::Item& item : format_->items())
        if (item.isGroup) return true;
    return false;
}

QSize GroupHeaderView::sizeHint() const {
    const int line = fontMetrics().height() + 6;
    return {QHeaderView::sizeHint().width(), hasGroups() ? 2 * line : line};
}

QRect GroupHeaderView::groupRect(int logical) const {
    const int column = logical + 1;
    const listformat::Item* item = format_->itemOf(column);
    if (!item || !item->isGroup) return {};
    const int first = format_->firstColumnOfItem(format_->groupNumber(column)) - 1;
    QRect span;
    for (int s = first; s < first + static_cast<int>(item->columns.size()); ++s) {
        if (s >= count() || isSectionHidden(s) || sectionSize(s) <= 0) continue;
        span |= QRect(sectionViewportPosition(s), 0, sectionSize(s), height() / 2);
    }
    return span;
}

GroupHeaderView::Cell GroupHeaderView::groupCell(int logical) const {
    const int column = logical + 1;
    const listformat::Item& item = *format_->itemOf(column);
    const listformat::Decoration& g = item.group;
    const listformat::Alignment a = g.hasHeaderAlignment ? g.headerAlignment : item.columns.front().alignment;
    return {groupRect(logical), framework::ToQString(g.header), ListColour(g.headerColour), QtAlignment(a.justify),
            a.indent};
}

void GroupHeaderView::paintSection(QPainter* painter, const QRect& rect, int logical) const {
    const QAbstractItemModel* m = model();
    if (!m || !format_->exists(logical + 1)) return;
    Cell own{rect, m->headerData(logical, Qt::Horizontal, Qt::DisplayRole).toString(),
             m->headerData(logical, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
             m->headerData(logical, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
             m->headerData(logical, Qt::Horizontal, FormatTableModel::IndentRole).toInt()};
    const Cell group = groupCell(logical);
    if (group.rect.isValid()) {
        // The group cell is painted whole for each of its members: the same pixels every time, so a
        // partial repaint of any member leaves it intact.
        paintCell(painter, group, logical);
        own.rect.setTop(rect.top() + group.rect.height());
    }
    paintCell(painter, own, logical);
}

void GroupHeaderView::paintCell(QPainter* painter, const Cell& cell, int logical) const {
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = cell.rect;
    option.section = logical;
    option.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    const int indent = UnitsToPixels(font(), cell.indent);
    QRect text = cell.rect.adjusted(3, 0, -3, 0);
    if (cell.alignment & Qt::AlignLeft) text.setLeft(text.left() + indent);
    if (cell.alignment & Qt::AlignRight) text.setRight(text.right() - indent);
    painter->save();
    painter->setClipRect(cell.rect);
    painter->setPen(cell.colour.isValid() ? cell.colour : palette().color(QPalette::ButtonText));
    painter->drawText(text, static_cast<int>(cell.alignment | Qt::AlignVCenter) | Qt::TextSingleLine,
                      fontMetrics().elidedText(cell.text, Qt::ElideRight, text.width()));
    painter->restore();
}

void GroupHeaderView::mouseReleaseEvent(QMouseEvent* event) {
    QHeaderView::mouseReleaseEvent(event);
    if (event->button() != Qt::RightButton) return;
    const int logical = logicalIndexAt(event->position().toPoint());
    emit rightButtonReleased(logical < 0 ? 0 : logical + 1);
}

} // namespace kvilo::listcontrol
