#include "gui/listcontrol/list_control_adapter.h"

namespace kvilo::listcontrol {
namespace {

// A key given without Qt::KeypadModifier matches on the keypad and on the main keyboard alike. "+" on the
// main keyboard is Shift+"=" on most layouts, and Ctrl+"=" is the usual "larger" of other programs.
QList<QKeyCombination> KeysOf(listformat::AlertKey key) {
    switch (key) {
    case listformat::AlertKey::Reset:
        return {QKeyCombination(Qt::ControlModifier, Qt::Key_0)};
    case listformat::AlertKey::Smaller:
        return {QKeyCombination(Qt::ControlModifier, Qt::Key_Minus)};
    case listformat::AlertKey::Larger:
        return {QKeyCombination(Qt::ControlModifier, Qt::Key_Plus),
                QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Plus),
                QKeyCombination(Qt::ControlModifier, Qt::Key_Equal)};
    }
    return {};
}

} // namespace

bool FormatListControl::EditFormat(const std::function<bool(listformat::ListFormat&)>& edit) {
    return list_.editFormat(edit);
}

void FormatListControl::SetFont(std::string_view name, int pointSize, int charset) {
    list_.setListFont(name, pointSize, charset);
}

void FormatListControl::AddAlertKey(listformat::AlertKey key) {
    for (QKeyCombination combination : KeysOf(key))
        list_.addAlertKey(combination);
}

std::optional<listformat::AlertKey> AlertKeyOf(QKeyCombination key) {
    for (auto alert : {listformat::AlertKey::Reset, listformat::AlertKey::Smaller, listformat::AlertKey::Larger})
        if (KeysOf(alert).contains(key)) return alert;
    return std::nullopt;
}

} // namespace kvilo::listcontrol
