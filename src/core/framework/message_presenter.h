#pragma once
// Every message box of the program goes through one presenter: the Qt one shows a modal QMessageBox, the
// recording one (tests, the command-line front end) keeps the messages and answers for the user.
#include <deque>
#include <string>
#include <vector>

#include "base/cp1251.h"

namespace kvilo::framework {

// Only the Windows-1251 literal, not the whole namespace, for the texts declared below.
using base::literals::operator""_ansi;

// The usual single button.
inline const char* const kCloseButton = "&1. Закрыть"_ansi;

enum class MessageIcon { None, Information, Warning, Question, Error, Application };

// One message box. Texts are Windows-1251: "|" in `text` is a line break, "&" in a button caption marks
// its access key.
struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Information;
    std::vector<std::string> buttons{kCloseButton};
    int defaultButton = 1; // 1-based
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows the message modally; returns the 1-based number of the button chosen (0 when the box was
    // closed without choosing).
    virtual int Show(const Message& message) = 0;
};

// The process's presenter; SetMessagePresenter(nullptr) restores the default (none until the application
// installs the Qt one: messages are then written to the debug output and answered with the default button).
MessagePresenter& CurrentMessagePresenter();
MessagePresenter* SetMessagePresenter(MessagePresenter* presenter);

// Shows through the current presenter.
inline int ShowMessage(const Message& message) {
    return CurrentMessagePresenter().Show(message);
}

// Keeps every message and answers with queued button numbers (the default button when the queue is empty).
// Installs itself for its lifetime.
class RecordingMessagePresenter : public MessagePresenter {
public:
    RecordingMessagePresenter() : previous_(SetMessagePresenter(this)) {}
    ~RecordingMessagePresenter() override { SetMessagePresenter(previous_); }
    RecordingMessagePresenter(const RecordingMessagePresenter&) = delete;
    RecordingMessagePresenter& operator=(const RecordingMessagePresenter&) = delete;

    int Show(const Message& message) override {
        messages.push_back(message);
        if (answers.empty()) return message.defaultButton;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Message> messages;
    std::deque<int> answers;

private:
    MessagePresenter* previous_;
};

} // namespace kvilo::framework
