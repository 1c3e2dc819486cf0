// Whether an entry has a place to show, the map's caption argument and what the entry point does while the map
// window is not built.
#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "core/framework/message_presenter.h"
#include "core/online/location_map.h"

using namespace kvilo::base::literals;
using namespace kvilo::online;

TEST(HasLocation, NeedsBothCoordinates) {
    EXPECT_TRUE(HasLocation("55.70", "37.59"));
    EXPECT_TRUE(HasLocation(" 55.70 ", "37.59  "));
    EXPECT_FALSE(HasLocation("55.70", ""));
    EXPECT_FALSE(HasLocation("55.70", "    "));
    EXPECT_FALSE(HasLocation("", "37.59"));
    EXPECT_FALSE(HasLocation("", ""));
}

TEST(HasLocation, BlankCoordinatesCountAsMissing) {
    EXPECT_FALSE(HasLocation("55.7", ""));
    EXPECT_FALSE(HasLocation("55.7", "   "));
    EXPECT_TRUE(HasLocation("55.7", " 37.6 "));
    EXPECT_FALSE(HasLocation("", "37.6"));
}

TEST(LocationMapCaption, IsOneInTenThenTheTextInTwoHundred) {
    const std::string caption = LocationMapCaption("ООО Альфа"_ansi);
    ASSERT_EQ(caption.size(), 210u);
    EXPECT_EQ(caption.substr(0, 10), "1         ");
    EXPECT_EQ(caption.substr(10, 9), "ООО Альфа"_ansi);
    EXPECT_EQ(caption.find_first_not_of(' ', 19), std::string::npos);
}

TEST(LocationMapCaption, LeftJustifiesTheText) {
    EXPECT_EQ(LocationMapCaption("   ООО Альфа"_ansi), LocationMapCaption("ООО Альфа"_ansi));
    EXPECT_EQ(LocationMapCaption("    "), "1" + std::string(209, ' '));
}

TEST(LocationMapCaption, CutsALongTextAtTwoHundred) {
    const std::string caption = LocationMapCaption(std::string(250, 'x'));
    ASSERT_EQ(caption.size(), 210u);
    EXPECT_EQ(caption.substr(10), std::string(200, 'x'));
}

TEST(StartLocationMap, SaysPlainlyThatTheMapIsNotThereYet) {
    kvilo::framework::RecordingMessagePresenter messages;
    StartLocationMap(LocationMapCaption("ООО Альфа"_ansi), "37.59", "55.70");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Информация"_ansi);
    EXPECT_EQ(messages.messages[0].text, "Просмотр карты в этой версии программы ещё не доступен.|ООО Альфа|"
                                         "Широта: 55.70, долгота: 37.59"_ansi);
}
