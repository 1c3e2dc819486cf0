#pragma once
// The in-place editor of the entry list's width cell: up to three digits on light yellow.
#include <QStyledItemDelegate>

namespace kvilo::listformat {

class WidthEditDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace kvilo::listformat
