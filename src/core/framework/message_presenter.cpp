#include "core/framework/message_presenter.h"

#include <atomic>

#include "platform/debug_output.h"

namespace kvilo::framework {
namespace {

// Before the application installs its presenter (and in programs without windows) nobody can answer:
// the message goes to the debug output so that it is not lost, and the default button is the answer.
class DebugOutputPresenter : public MessagePresenter {
public:
    int Show(const Message& message) override {
        platform::DebugOutput("[message] " + message.caption + ": " + message.text);
        return message.defaultButton;
    }
};

std::atomic<MessagePresenter*> gPresenter{nullptr};

} // namespace

MessagePresenter& CurrentMessagePresenter() {
    static DebugOutputPresenter fallback;
    MessagePresenter* presenter = gPresenter.load();
    return presenter != nullptr ? *presenter : fallback;
}

MessagePresenter* SetMessagePresenter(MessagePresenter* presenter) {
    return gPresenter.exchange(presenter);
}

} // namespace kvilo::framework
