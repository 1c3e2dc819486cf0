#include "gui/listformat/width_edit_delegate.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "gui/listcontrol/list_colours.h"

namespace kvilo::listformat {
namespace {

constexpr long kEditBackground = 0xE0FFFF;
constexpr int kWidthDigits = 3; // widths go up to 600

} // namespace

QWidget* WidthEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName("widthEditor");
    editor->setMaxLength(kWidthDigits);
    editor->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), editor));
    editor->setAlignment(Qt::AlignRight);
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, listcontrol::ListColour(kEditBackground));
    editor->setPalette(palette);
    return editor;
}

} // namespace kvilo::listformat
