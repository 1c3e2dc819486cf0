#pragma once
// The presenter that the application installs: a modal QMessageBox with the message's own buttons.
#include <QString>

#include "core/framework/message_presenter.h"

namespace kvilo::framework {

class QtMessagePresenter : public MessagePresenter {
public:
    // May be called from any thread: the box is always shown on the GUI thread, the caller waits for it.
    int Show(const Message& message) override;
};

// The box text of a message: 1251 converted, every "|" a line break.
QString MessageBoxText(const std::string& text);

} // namespace kvilo::framework
