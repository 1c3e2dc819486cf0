#include "gui/listcontrol/format_cell_delegate.h"

#include <QPainter>

#include "gui/framework/mark_colour.h"
#include "gui/listcontrol/dialog_units.h"
#include "gui/listcontrol/format_table_model.h"

namespace kvilo::listcontrol {
namespace {

QColor Either(const QVariant& value, const QColor& fallback) {
    const QColor colour = value.value<QColor>();
    return colour.isValid() ? colour : fallback;
}

} // namespace

void FormatCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = QPalette::Active;
    const QColor back = selected ? Either(index.data(FormatTableModel::SelectedBackgroundRole),
                                          opt.palette.color(group, QPalette::Highlight))
                                 : index.data(Qt::BackgroundRole).value<QColor>();
    QColor fore = selected ? Either(index.data(FormatTableModel::SelectedForegroundRole),
                                    opt.palette.color(group, QPalette::HighlightedText))
                           : Either(index.data(Qt::ForegroundRole), opt.palette.color(group, QPalette::Text));
    if (index.data(FormatTableModel::MarkedRole).toBool())
        fore = framework::MarkTextColour(back.isValid() ? back : opt.palette.color(group, QPalette::Base));
    painter->save();
    painter->setClipRect(opt.rect);
    if (back.isValid()) painter->fillRect(opt.rect, back);

    QRect text = opt.rect.adjusted(2, 0, -2, 0);
    const int indent = UnitsToPixels(opt.font, index.data(FormatTableModel::IndentRole).toInt());
    if (opt.displayAlignment & Qt::AlignLeft) text.setLeft(text.left() + indent);
    if (opt.displayAlignment & Qt::AlignRight) text.setRight(text.right() - indent);
    if (!opt.icon.isNull()) {
        const int side = std::min(16, opt.rect.height() - 2);
        const QRect icon(text.left(), opt.rect.top() + (opt.rect.height() - side) / 2, side, side);
        opt.icon.paint(painter, icon);
        text.setLeft(icon.right() + 3);
    }
    Qt::Alignment alignment = opt.displayAlignment;
    if (index.data(FormatTableModel::DecimalRole).toBool()) {
        // Decimal alignment: the point (or the end of a whole number) stands `indent` from the right edge
        // and the fraction runs on into the indent, so the points of all rows line up.
        qsizetype point = opt.text.indexOf(QLatin1Char('.'));
        if (point < 0) point = opt.text.indexOf(QLatin1Char(','));
        const QString whole = point < 0 ? opt.text : opt.text.left(point);
        text.setLeft(text.right() - opt.fontMetrics.horizontalAdvance(whole));
        text.setRight(opt.rect.right());
        alignment = (alignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    }
    painter->setFont(opt.font);
    painter->setPen(fore);
    painter->drawText(text, static_cast<int>(alignment) | Qt::TextSingleLine, opt.text);

    painter->setPen(grid_.isValid() ? grid_ : opt.palette.color(QPalette::Mid));
    if (index.data(FormatTableModel::RightBorderRole).toBool())
        painter->drawLine(opt.rect.topRight(), opt.rect.bottomRight());
    if (index.data(FormatTableModel::UnderlineRole).toBool())
        painter->drawLine(opt.rect.bottomLeft(), opt.rect.bottomRight());
    painter->restore();
}

} // namespace kvilo::listcontrol
