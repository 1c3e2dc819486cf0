// ApplyBrwFormat's five actions and apply appearance on a list control without widgets, with the stores in
// memory only (no file), and the palette.
#include <gtest/gtest.h>

#include <thread>

#include "base/cp1251.h"
#include "core/framework/message_presenter.h"
#include "core/listformat/apply_brw_format.h"
#include "core/listformat/bformat.h"
#include "core/listformat/color_palette.h"
#include "core/listformat/list_format_stores.h"
#include "designed_format.h"
#include "fake_list_control.h"

namespace kvilo::listformat {
namespace {

using namespace base::literals;
using testing::FakeListControl;
using testing::kDesignedFormat;

// A small list: a marker column, a resizable column, a hidden one, a fixed-width one and a group of two.
const std::string kSmallFormat = "10C|~_~@s1@"
                                 "100L(2)|M~Имя~@s20@"
                                 "0L(2)|M~Скрыта~@s20@"
                                 "20C|~Код~@s2@"
                                 "30L|M~Метка~@p<pb@"
                                 "[40L(2)|M~Один~@s20@60L(2)|M~Два~@s20@]|~Группа~L(2)"_ansi;

class ApplyBrwFormatTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = SetListFormatStores(&stores); }
    void TearDown() override { SetListFormatStores(previous_); }

    BrwSettings Open(FakeListControl& list, const char* id = "BrwTest") {
        BrwSettings settings{&list, id, {}, {}};
        ApplyBrwFormat(kBrwLoad, settings);
        return settings;
    }

    ListFormatStores stores;
    framework::RecordingMessagePresenter messages;

private:
    ListFormatStores* previous_ = nullptr;
};

TEST_F(ApplyBrwFormatTest, NothingHappensWithoutAListOrAnIdentifier) {
    FakeListControl list(kSmallFormat);
    BrwSettings noId{&list, "   ", {}, {}};
    BrwSettings noList{nullptr, "BrwTest", {}, {}};
    for (int action = kBrwLoad; action <= kBrwLarger; ++action) {
        ApplyBrwFormat(action, noId);
        ApplyBrwFormat(action, noList);
    }
    EXPECT_TRUE(list.writes.empty());
    EXPECT_EQ(list.FormatText(), kSmallFormat);
    EXPECT_TRUE(stores.Memory().Empty());
}

TEST_F(ApplyBrwFormatTest, OpeningShowsMarkersTheZoomTipTheTintTheDefaultsAndTheKeys) {
    FakeListControl list(kSmallFormat + "10C|~[M]~@s1@");
    list.tip = "Список   "_ansi;
    const BrwSettings settings = Open(list);
    EXPECT_EQ(list.Format().headerText(1), "•"_ansi);
    EXPECT_EQ(list.Format().headerText(8), "™"_ansi);
    EXPECT_EQ(list.tip, "Список, [ CTRL + MINUS / PLUS / 0 ] - масштаб"_ansi);
    EXPECT_EQ(list.background, 0xF9F9F9); // Linux counts as a newer system
    EXPECT_EQ(settings.appearance, ListAppearance{});
    EXPECT_EQ(list.fontName, "Segoe UI");
    EXPECT_EQ(list.fontSize, 11);
    EXPECT_EQ(list.charset, 204);
    EXPECT_EQ(list.grid, 0x808080);
    EXPECT_EQ(list.bar, -1);
    EXPECT_EQ(list.selectedText, 0xFFFFFF);
    EXPECT_EQ(list.lineHeight, 9);
    EXPECT_EQ(list.wheel, 40);
    EXPECT_EQ(list.alertKeys, (std::vector<AlertKey>{AlertKey::Reset, AlertKey::Larger, AlertKey::Smaller}));
    // The first opening of a list puts its state in memory.
    const std::optional<BrwMemEntry> entry = stores.Memory().Find("BrwTest");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->curFormat, list.FormatText());
    EXPECT_EQ(entry->defFormat, list.FormatText()); // the design as the list shows it, markers and all
    EXPECT_EQ(list.tip.find("масштаб"_ansi), list.tip.rfind("масштаб"_ansi));
}

TEST_F(ApplyBrwFormatTest, AnEmptyTipGetsTheSuffixAlone) {
    FakeListControl list(kSmallFormat);
    Open(list);
    EXPECT_EQ(list.tip, kZoomTipSuffix);
}

TEST_F(ApplyBrwFormatTest, SmallerFromNineAndNineGivesEightAndEightThenStops) {
    FakeListControl list(kSmallFormat);
    BrwSettings settings = Open(list);
    settings.appearance = {1, 9, 0, 9, 9, 1, 40};
    ApplyBrwFormat(kBrwSmaller, settings);
    EXPECT_EQ(settings.appearance.lineHeight, 8);
    EXPECT_EQ(settings.appearance.fontSize, 8);
    EXPECT_EQ(list.lineHeight, 8);
    EXPECT_EQ(list.fontSize, 8);
    const std::string after = list.FormatText();
    ApplyBrwFormat(kBrwSmaller, settings);
    EXPECT_EQ(settings.appearance.lineHeight, 8);
    EXPECT_EQ(list.fontSize, 8);
    EXPECT_EQ(list.FormatText(), after);
}

TEST_F(ApplyBrwFormatTest, LargerWithTheSetupOffStartsFromTheDefaults) {
    FakeListControl list(kSmallFormat);
    BrwSettings settings = Open(list);
    settings.appearance = {0, 20, 20, 30, 30, 3, 100};
    ApplyBrwFormat(kBrwLarger, settings);
    EXPECT_EQ(settings.appearance, (ListAppearance{1, 9, 0, 10, 12, 1, 40}));
    EXPECT_EQ(list.lineHeight, 10);
    EXPECT_EQ(list.fontSize, 12);
    EXPECT_EQ(list.fontName, "Segoe UI");
}

TEST_F(ApplyBrwFormatTest, ZoomStepsColumnsAndKeepsMarkersHiddenAndPatternColumns) {
    FakeListControl list(kSmallFormat);
    BrwSettings settings = Open(list);
    ApplyBrwFormat(kBrwLarger, settings);
    const ListFormat& f = list.Format();
    EXPECT_EQ(f.width(1), 10);  // the marker column
    EXPECT_EQ(f.width(2), 105); // resizable: 5
    EXPECT_EQ(f.width(3), 0);   // hidden
    EXPECT_EQ(f.width(4), 21);  // not resizable: 1
    EXPECT_EQ(f.width(5), 30);  // a pattern picture
    EXPECT_EQ(f.width(6), 45);
    EXPECT_EQ(f.width(7), 65);
    EXPECT_EQ(f.groupHeaderWidth(6), 110); // the group header spans its zoomed members
    ApplyBrwFormat(kBrwSmaller, settings);
    ApplyBrwFormat(kBrwSmaller, settings);
    EXPECT_EQ(f.width(2), 95);
    EXPECT_EQ(f.width(3), 0);
    EXPECT_EQ(f.width(4), 19);
    EXPECT_EQ(f.groupHeaderWidth(6), 90);
}

TEST_F(ApplyBrwFormatTest, AColumnIsNeverZoomedToNothing) {
    FakeListControl list("3L|M~Узкая~@s1@1C|~Точка~@s1@"_ansi);
    BrwSettings settings = Open(list);
    ApplyBrwFormat(kBrwSmaller, settings);
    EXPECT_EQ(list.Format().width(1), 3);
    EXPECT_EQ(list.Format().width(2), 1);
}

TEST_F(ApplyBrwFormatTest, ResetGoesBackToTheDesignKeepingTextsAndHiddenColumns) {
    FakeListControl list(kDesignedFormat);
    BrwSettings settings = Open(list, kMainListId);
    list.icons[3] = "  cut.png  ";
    list.EditFormat([](ListFormat& f) {
        f.setHeaderText(6, "Место"_ansi);
        f.setGroupHeaderText(2, "Коды"_ansi);
        f.setHeaderColour(2, 0x0000FF);
        f.setWidth(3, 0);
        return f.moveItem(1, 3);
    });
    ApplyBrwFormat(kBrwLarger, settings);
    list.writes.clear();
    ApplyBrwFormat(kBrwReset, settings);
    const ListFormat& f = list.Format();
    EXPECT_EQ(f.headerText(1), "Полное наименование"_ansi);
    EXPECT_EQ(f.headerText(6), "Место"_ansi);
    EXPECT_EQ(f.groupHeaderText(2), "Коды"_ansi);
    EXPECT_EQ(f.headerColour(2), 0x0000FF);
    EXPECT_EQ(f.width(3), 0);
    EXPECT_EQ(f.width(4), 70);
    EXPECT_EQ(f.width(1), 120);
    EXPECT_EQ(settings.appearance.setup, 0);
    EXPECT_EQ(list.fontSize, 11);
    EXPECT_EQ(list.lineHeight, 9);
    EXPECT_EQ(list.icons[3], "cut.png");
    EXPECT_EQ(list.writes["icon"], 1);
}

TEST_F(ApplyBrwFormatTest, ResetWithoutADefaultFormatDoesNothing) {
    FakeListControl list(kSmallFormat);
    BrwSettings settings{&list, "BrwTest", {1, 9, 0, 20, 20, 1, 40}, "   "};
    ApplyBrwFormat(kBrwReset, settings);
    EXPECT_EQ(settings.appearance.lineHeight, 20);
    EXPECT_TRUE(list.writes.empty());
}

TEST_F(ApplyBrwFormatTest, AppearanceWritesOnlyWhatDiffersButAlwaysTheRowHeight) {
    FakeListControl list(kSmallFormat);
    BrwSettings settings = Open(list);
    list.writes.clear();
    ApplyAppearance(settings);
    EXPECT_EQ(list.writes, (std::map<std::string, int>{{"lineHeight", 1}}));
    list.fontName = "segoe ui  ";
    ApplyAppearance(settings);
    EXPECT_EQ(list.writes.count("font"), 0u);
}

TEST_F(ApplyBrwFormatTest, DarkBarsGetWhiteSelectedTextAndLightBarsBlack) {
    FakeListControl list(kSmallFormat);
    BrwSettings settings = Open(list);
    for (const auto& [bar, text] : std::vector<std::pair<int, long>>{{14, 0xFFFFFF}, {15, 0}, {9, 0xFFFFFF}, {10, 0}}) {
        settings.appearance = {1, 9, bar, 9, 11, 1, 40};
        ApplyAppearance(settings);
        EXPECT_EQ(list.bar, PaletteColour(bar)) << bar;
        EXPECT_EQ(list.selectedText, text) << bar;
    }
}

TEST_F(ApplyBrwFormatTest, FontCodesNameTheirFontsWithTheCyrillicSet) {
    FakeListControl list(kSmallFormat);
    BrwSettings settings = Open(list);
    const char* names[] = {"Arial", "Segoe UI", "Calibri", "Tahoma", "Verdana", "Arial", "Arial"};
    for (int code = 0; code <= 6; ++code)
        EXPECT_STREQ(ListFontName(code), names[code]) << code;
    settings.appearance = {1, 9, 0, 9, 11, 2, 40};
    ApplyAppearance(settings);
    EXPECT_EQ(list.fontName, "Calibri");
    EXPECT_EQ(list.charset, 204);
}

TEST_F(ApplyBrwFormatTest, StoringWritesMemoryOnlyWhenTheListChanged) {
    FakeListControl list(kSmallFormat);
    BrwSettings settings = Open(list);
    const BrwMemEntry opened = *stores.Memory().Find("BrwTest");
    ApplyBrwFormat(kBrwStore, settings);
    EXPECT_EQ(*stores.Memory().Find("BrwTest"), opened);
    ApplyBrwFormat(kBrwLarger, settings);
    ApplyBrwFormat(kBrwStore, settings);
    const BrwMemEntry stored = *stores.Memory().Find("BrwTest");
    EXPECT_EQ(stored.curFormat, list.FormatText());
    EXPECT_EQ(stored.defFormat, opened.defFormat);
    EXPECT_EQ(stored.appearance.fontSize, 12);

    // The next opening of the list in this run takes it from memory.
    FakeListControl again(kSmallFormat);
    const BrwSettings reopened = Open(again);
    EXPECT_EQ(again.FormatText(), list.FormatText());
    EXPECT_EQ(again.fontSize, 12);
    EXPECT_EQ(reopened.defaultFormat, opened.defFormat);
}

TEST_F(ApplyBrwFormatTest, AFormatTooShortToStoreLeavesTheFormatInMemoryAsItWas) {
    FakeListControl list("5L~A~");
    BrwSettings settings{&list, "Short", {1, 9, 0, 12, 11, 1, 40}, "5L~A~"};
    ApplyBrwFormat(kBrwStore, settings);
    EXPECT_EQ(stores.Memory().Find("Short")->curFormat, "5L~A~");
    list.SetFormatText("5L");
    ApplyBrwFormat(kBrwStore, settings);
    EXPECT_EQ(stores.Memory().Find("Short")->curFormat, "5L~A~");
}

TEST(ColorPaletteTest, IndexesAndColours) {
    EXPECT_EQ(PaletteColour(0), -1);
    EXPECT_EQ(PaletteColour(36), -1);
    EXPECT_EQ(PaletteColour(-3), -1);
    EXPECT_EQ(PaletteColour(1), 0x000000);
    EXPECT_EQ(PaletteColour(14), 0xFF0000);
    EXPECT_EQ(PaletteColour(35), 0xFF80FF);
    EXPECT_EQ(PaletteIndex(0x123456), 0);
    EXPECT_EQ(PaletteIndex(0x000000), 1);
    EXPECT_EQ(PaletteIndex(-1), 0);
    for (int index = 1; index <= kPaletteSize; ++index)
        EXPECT_EQ(PaletteIndex(PaletteColour(index)), index);
}

TEST(BFormatTest, EachThreadHasItsOwnTableAndEqualCountsKeepTheirOrder) {
    BFormatTable& table = BFormat();
    table.Clear();
    for (int n : {3, 1, 2}) {
        BFormatEntry entry;
        entry.colNumber = n;
        entry.count = 150; // all three in the middle of a move
        table.Insert(entry);
    }
    std::vector<int> byCount;
    for (const BFormatEntry* entry : table.ByCount())
        byCount.push_back(entry->colNumber);
    EXPECT_EQ(byCount, (std::vector<int>{3, 1, 2}));
    std::vector<int> byNumber;
    for (const BFormatEntry* entry : table.ByNumber())
        byNumber.push_back(entry->colNumber);
    EXPECT_EQ(byNumber, (std::vector<int>{1, 2, 3}));
    size_t otherThreadSees = 99;
    std::thread([&] { otherThreadSees = BFormat().Size(); }).join();
    EXPECT_EQ(otherThreadSees, 0u);
    table.Clear();
}

TEST(BrwFMemTest, OneTableForAllThreads) {
    BrwFMem memory;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&memory, t] {
            for (int i = 0; i < 50; ++i) {
                BrwMemEntry entry;
                entry.idBrowse = "List" + std::to_string(t * 50 + i);
                memory.Put(entry);
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(memory.Entries().size(), 200u);
    EXPECT_TRUE(memory.Find("List199"));
    EXPECT_FALSE(memory.Find("List200"));
}

} // namespace
} // namespace kvilo::listformat
