#include "core/framework/message_presenter.h"

#include <gtest/gtest.h>

#include "platform/debug_output.h"

using namespace kvilo::framework;
using kvilo::platform::ScopedDebugCapture;

TEST(MessagePresenter, WithoutAPresenterTheMessageGoesToTheDebugOutput) {
    ScopedDebugCapture capture;
    Message message;
    message.caption = "Caption";
    message.text = "first|second";
    message.buttons = {"&1. Yes", "&2. No"};
    message.defaultButton = 2;
    EXPECT_EQ(ShowMessage(message), 2);
    EXPECT_EQ(capture.Lines(), std::vector<std::string>{"[message] Caption: first|second"});
}

TEST(MessagePresenter, RecordingPresenterAnswersForTheUser) {
    RecordingMessagePresenter recording;
    recording.answers = {2};
    Message message;
    message.text = "question";
    message.buttons = {"a", "b"};
    EXPECT_EQ(ShowMessage(message), 2);
    EXPECT_EQ(ShowMessage(message), 1); // queue empty: the default button
    ASSERT_EQ(recording.messages.size(), 2u);
    EXPECT_EQ(recording.messages[0].text, "question");
}

TEST(MessagePresenter, RecordingPresentersNestAndRestore) {
    RecordingMessagePresenter outer;
    {
        RecordingMessagePresenter inner;
        ShowMessage(Message{});
        EXPECT_EQ(inner.messages.size(), 1u);
    }
    ShowMessage(Message{});
    EXPECT_EQ(outer.messages.size(), 1u);
}

TEST(MessagePresenter, TheUsualButtonIsClose) {
    Message message;
    ASSERT_EQ(message.buttons.size(), 1u);
    EXPECT_EQ(message.buttons[0], "&1. \xC7\xE0\xEA\xF0\xFB\xF2\xFC"); // "&1. Закрыть" in 1251
    EXPECT_EQ(message.icon, MessageIcon::Information);
}
