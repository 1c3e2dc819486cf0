// The list settings dialog's logic on a list control without widgets: the column entries, the width,
// hide / show, move, fixed and colour operations, the variants and the search mask, reset and zoom, and
// how a session ends with " Да" or " Нет".
#include <gtest/gtest.h>

#include <cmath>

#include "base/cp1251.h"
#include "core/listformat/apply_brw_format.h"
#include "core/listformat/brw_format_session.h"
#include "core/listformat/color_palette.h"
#include "core/listformat/column_edit.h"
#include "core/listformat/column_entries.h"
#include "core/listformat/column_move.h"
#include "core/listformat/list_format_stores.h"
#include "designed_format.h"
#include "fake_list_control.h"

namespace kvilo::listformat {
namespace {

using namespace base::literals;
using testing::FakeListControl;
using testing::kDesignedFormat;

// A marker column, a choice column, a narrow one, a column hidden at opening, a fixed-width one, a group of
// three and a last column.
const std::string kSmallFormat = "10C|~_~@s1@"
                                 "12C|~[-]~@s1@"
                                 "3L|M~Узкая~@s20@"
                                 "0L(2)|M~Скрыта~@s20@"
                                 "20C|~Код~@s2@"
                                 "[40L(2)|M~Один~@s20@60L(2)|M~Два~@s20@30L(2)|M~Три~@s20@]|~Группа~L(2)"
                                 "50L(2)|M~Последняя~@s20@"_ansi;

class SessionTest : public ::testing::Test {
protected:
    // A list opened by its window: markers shown, appearance applied, as the dialog finds it. The stores
    // are the test's own, without a file.
    explicit SessionTest(const std::string& format = kSmallFormat) : list(format) {
        previous_ = SetListFormatStores(&stores_);
        settings = BrwSettings{&list, "BrwTest", {}, format};
        ApplyBrwFormat(kBrwLoad, settings);
    }
    ~SessionTest() override { SetListFormatStores(previous_); }

    // The column whose header is `header`, 0 when there is none.
    int ColumnOf(const std::string& header) const {
        for (int c = 1; c <= list.Format().columnCount(); ++c)
            if (list.Format().headerText(c) == header) return c;
        return 0;
    }
    std::vector<std::string> Headers() const {
        std::vector<std::string> headers;
        for (int c = 1; c <= list.Format().columnCount(); ++c)
            headers.push_back(list.Format().headerText(c));
        return headers;
    }
    static std::vector<int> Numbers(const std::vector<const BFormatEntry*>& entries) {
        std::vector<int> numbers;
        for (const BFormatEntry* e : entries)
            numbers.push_back(e->colNumber);
        return numbers;
    }

    ListFormatStores stores_;
    ListFormatStores* previous_ = nullptr;
    FakeListControl list;
    BrwSettings settings;
    BFormatTable table;
};

class DesignedSessionTest : public SessionTest {
protected:
    DesignedSessionTest() : SessionTest(kDesignedFormat) {}
};

TEST_F(SessionTest, EntriesNameMarkersAndChoiceColumnsAndKeepTheColumnsProperties) {
    list.EditFormat([](ListFormat& f) { return f.setWidth(9, 700); });
    BrwFormatSession session(settings, 0xFFFFFF, table);
    EXPECT_TRUE(session.Groups());
    ASSERT_EQ(session.EntryCount(), 9);
    EXPECT_EQ(session.Entry(1)->colName, "Маркер"_ansi);
    EXPECT_EQ(session.Entry(2)->colName, "Выбор в списке"_ansi);
    EXPECT_EQ(session.Entry(3)->colName, "Узкая"_ansi);
    const BFormatEntry& two = *session.Entry(7);
    EXPECT_EQ(two.groupName, "Группа"_ansi);
    EXPECT_EQ(two.groupNo, 6);
    EXPECT_EQ(two.groupCount, 0);
    EXPECT_EQ(session.Entry(6)->groupCount, 3);
    EXPECT_EQ(session.Entry(6)->groupFormat, list.Format().itemText(6));
    EXPECT_EQ(session.Entry(9)->colWidth, 600); // forced into 0-600
    EXPECT_EQ(session.Entry(9)->savWidth, 600);
    EXPECT_EQ(session.Entry(9)->count, 900);
    EXPECT_TRUE(session.Entry(3)->colResize);
    EXPECT_FALSE(session.Entry(5)->colResize);

    FakeListControl others(
        "5C|~™~@s1@5C|~!~@s1@5C|E(-1,255,-1,-1)~~@s1@5C|~[+x]~@s1@5C|E(-1,16777215,-1,16777215)~~"_ansi);
    BFormatTable more;
    LoadColumnEntries(others, more, 0xFFFFFF);
    EXPECT_EQ(more.FindByNumber(1)->colName, "Маркируемый товар"_ansi);
    EXPECT_EQ(more.FindByNumber(2)->colName, "Отметка"_ansi);
    EXPECT_EQ(more.FindByNumber(3)->colName, "???");
    EXPECT_EQ(more.FindByNumber(4)->colName, "Выбор в списке"_ansi);
    EXPECT_EQ(more.FindByNumber(5)->colName, "Выбор в списке"_ansi); // the window colour given explicitly
}

TEST_F(SessionTest, OpeningStartsOnTheClickedColumnAndReadsTheAppearanceFromTheList) {
    list.fontName = "Tahoma";
    list.fontSize = 14;
    list.lineHeight = 12;
    list.wheel = 200;
    list.grid = PaletteColour(20);
    list.bar = PaletteColour(3);
    settings.appearance.setup = 1;
    {
        BrwFormatSession session(settings, -1, table);
        EXPECT_EQ(session.Appearance(), (ListAppearance{1, 20, 3, 12, 14, 3, 200}));
        EXPECT_EQ(session.StartEntry(0), 1);
        EXPECT_EQ(session.StartEntry(7), 7);
        EXPECT_EQ(session.StartEntry(10), 1);
    }
    settings.appearance.setup = 0; // with the settings off the dialog starts from the defaults
    BrwFormatSession off(settings, -1, table);
    EXPECT_EQ(off.Appearance(), ListAppearance{});
    EXPECT_EQ(FontCodeOfName(" calibri "), 2);
    EXPECT_EQ(FontCodeOfName("Verdana"), 4);
    EXPECT_EQ(FontCodeOfName("Arial"), 5);
    EXPECT_EQ(FontCodeOfName("DejaVu Sans"), 1);
}

TEST_F(SessionTest, NarrowingByFiveRefusesToGoBelowOne) {
    {
        BrwFormatSession session(settings, -1, table);
        EXPECT_FALSE(session.Narrow(3)); // width 3
        EXPECT_EQ(list.Format().width(3), 3);
    }
    list.EditFormat([](ListFormat& f) { return f.setWidth(3, 6); });
    BrwFormatSession again(settings, -1, table);
    EXPECT_TRUE(again.Narrow(3));
    EXPECT_EQ(list.Format().width(3), 1);
    EXPECT_EQ(again.Entry(3)->colWidth, 1);
    EXPECT_FALSE(again.Narrow(42)); // no such entry
}

TEST_F(SessionTest, WidthChangesTintTheColumnUntilItIsBackAtItsOpeningWidth) {
    list.EditFormat([](ListFormat& f) { return f.setColours(3, {0x111111, 0x222222, 0x333333, 0x444444}); });
    BrwFormatSession session(settings, -1, table);
    session.Widen(3);
    EXPECT_EQ(list.Format().colours(3), (Colours{0x111111, kWidenedTint, 0, kWidenedTint}));
    session.Narrow(3);
    EXPECT_EQ(list.Format().colours(3), (Colours{0x111111, 0x222222, 0x333333, 0x444444}));
    session.Widen(3);
    session.Widen(3);
    session.Narrow(3);
    session.Narrow(3);
    session.Narrow(3); // refused: 3 - 5 < 1
    EXPECT_EQ(list.Format().width(3), 3);
    session.HideShow(3);
    EXPECT_EQ(list.Format().colours(3), (Colours{0x111111, kNarrowedTint, 0, kNarrowedTint}));
    EXPECT_EQ(list.Format().width(3), 0);
    session.Widen(9);
    session.Widen(9);
    for (int i = 0; i < 200; ++i)
        session.Widen(9);
    EXPECT_EQ(list.Format().width(9), 600);
}

TEST_F(SessionTest, HidingAndShowingRestoresTheWidth) {
    BrwFormatSession session(settings, -1, table);
    session.Widen(9);
    ASSERT_TRUE(session.HideShow(9));
    EXPECT_EQ(list.Format().width(9), 0);
    EXPECT_EQ(session.Entry(9)->hideWidth, 55);
    ASSERT_TRUE(session.HideShow(9));
    EXPECT_EQ(list.Format().width(9), 55);
}

TEST_F(SessionTest, AColumnHiddenAtOpeningShowsWithItsDesignedWidthOrFifty) {
    settings.defaultFormat = kSmallFormat;
    list.EditFormat([](ListFormat& f) {
        f.setWidth(3, 0);
        return f.moveItem(3, 7); // the design is found by the field shown, wherever the column now is
    });
    BrwFormatSession session(settings, -1, table);
    const int narrow = ColumnOf("Узкая"_ansi);
    ASSERT_TRUE(session.HideShow(narrow));
    EXPECT_EQ(list.Format().width(narrow), 3);
    ASSERT_TRUE(session.HideShow(ColumnOf("Скрыта"_ansi))); // hidden in the design too
    EXPECT_EQ(list.Format().width(ColumnOf("Скрыта"_ansi)), kFallbackShowWidth);

    // Wider than 600 in the design, or a design that does not parse: 50 as well.
    for (const std::string design : {"700L~A~0L~B~", "700L~A~bad"}) {
        FakeListControl hidden("0L~A~0L~B~");
        BrwSettings record{&hidden, "BrwTest", {}, design};
        BFormatTable entries;
        BrwFormatSession other(record, -1, entries);
        other.HideShow(1);
        EXPECT_EQ(hidden.Format().width(1), kFallbackShowWidth) << design;
    }
}

TEST_F(SessionTest, AGroupHeaderFollowsItsMembersAndHiddenMembersLoseTheirSeparator) {
    BrwFormatSession session(settings, -1, table);
    ASSERT_TRUE(session.Widen(7)); // the middle member: 40 + 65 + 30 = 135 over 3 members
    EXPECT_EQ(list.Format().groupHeaderWidth(6), (3 + 1) / 2 + 135 - 1);
    session.HideShow(7);
    EXPECT_EQ(list.Format().groupHeaderWidth(6), 2 + 70 - 1);
    EXPECT_TRUE(list.Format().rightBorder(6));
    EXPECT_FALSE(list.Format().rightBorder(7));
    session.HideShow(8); // the last member keeps its separator even hidden
    EXPECT_TRUE(list.Format().rightBorder(8));
    session.HideShow(6);
    EXPECT_EQ(list.Format().groupHeaderWidth(6), 0);
    session.HideShow(7);
    EXPECT_TRUE(list.Format().rightBorder(7));
    // Every entry of the group keeps the group's item text as the list now has it.
    for (int c = 6; c <= 8; ++c)
        EXPECT_EQ(session.Entry(c)->groupFormat, list.Format().itemText(c)) << c;
}

TEST_F(SessionTest, OpeningAgainNeverChangesAMembersWidthButFitsTheGroupHeader) {
    {
        BrwFormatSession session(settings, -1, table);
        session.Widen(8);
        session.Accept();
    }
    const std::string accepted = list.FormatText();
    for (int i = 0; i < 3; ++i) {
        BrwFormatSession session(settings, -1, table);
        session.Accept();
    }
    EXPECT_EQ(list.FormatText(), accepted);
    // A header width that does not fit its members (as zooming leaves it) is brought in line; an unset
    // one stays unset.
    list.EditFormat([](ListFormat& f) { return f.setGroupHeaderWidth(6, 135); });
    FakeListControl designed(kDesignedFormat);
    BFormatTable other;
    LoadColumnEntries(designed, other, -1);
    LoadColumnEntries(list, table, -1);
    EXPECT_EQ(list.Format().groupHeaderWidth(6), 2 + 135 - 1);
    EXPECT_EQ(list.Format().width(8), 35);
    EXPECT_EQ(designed.FormatText(), kDesignedFormat);
}

TEST_F(SessionTest, TypedWidthsOutsideOneToSixHundredOrNotNumbersAreRefused) {
    BrwFormatSession session(settings, -1, table);
    const std::string before = list.FormatText();
    for (const char* typed : {"0", "601", "-5", "abc", "", "1e2", "0600 ", "12a"})
        EXPECT_FALSE(session.TypeWidth(9, typed)) << typed;
    EXPECT_EQ(list.FormatText(), before);
    EXPECT_FALSE(session.TypeWidth(9, "50")); // the width it has
    EXPECT_TRUE(session.TypeWidth(9, " 120 "));
    EXPECT_EQ(list.Format().width(9), 120);
    EXPECT_TRUE(session.TypeWidth(9, "600"));
    EXPECT_EQ(ParseTypedWidth("007"), 7);
}

TEST_F(DesignedSessionTest, MovingTheFirstLeftOrTheLastRightChangesNothing) {
    BrwFormatSession session(settings, -1, table);
    EXPECT_EQ(session.Move(1, -1), 0);
    EXPECT_EQ(session.Move(18, +1), 0);
    EXPECT_EQ(session.Move(17, +1), 0); // a member of the last group
    EXPECT_EQ(session.Move(2, -1), 1);  // the group "Коды ФНС" left of the first column: possible
    EXPECT_EQ(list.FormatText().substr(0, 3), "[58");
    for (const BFormatEntry* e : table.ByNumber())
        EXPECT_EQ(e->count, e->colNumber * 100);
}

TEST_F(DesignedSessionTest, AColumnMovedRightPastAGroupOfThreeLandsAfterItInOrder) {
    BrwFormatSession session(settings, -1, table);
    EXPECT_EQ(session.Move(1, +1), 4);
    const std::vector<std::string> headers = Headers();
    EXPECT_EQ(std::vector<std::string>(headers.begin(), headers.begin() + 5),
              (std::vector<std::string>{"ИНН"_ansi, "КПП"_ansi, "ОГРН"_ansi, "Полное наименование"_ansi, "Л"_ansi}));
    // Every column still shows its own field, and every entry its own column.
    const ListFormat& f = list.Format();
    EXPECT_EQ(f.fieldNumber(1), 2);
    EXPECT_EQ(f.fieldNumber(4), 1);
    EXPECT_EQ(f.fieldNumber(5), 5);
    for (const BFormatEntry* e : table.ByNumber()) {
        EXPECT_EQ(e->colName, f.headerText(e->colNumber));
        EXPECT_EQ(e->count, e->colNumber * 100);
    }
    // Back to the left, the group is jumped as a whole again.
    EXPECT_EQ(session.Move(4, -1), 1);
    EXPECT_EQ(list.FormatText(), kDesignedFormat);
}

TEST_F(DesignedSessionTest, AGroupMovesAsAWholeAndJumpsANeighbouringGroup) {
    BrwFormatSession session(settings, -1, table);
    EXPECT_EQ(session.Move(12, +1), 14); // "Руководитель" (11-12) past "Филиалы" (13-14)
    const std::vector<std::string> headers = Headers();
    EXPECT_EQ(std::vector<std::string>(headers.begin() + 10, headers.begin() + 14),
              (std::vector<std::string>{"Кол-во"_ansi, "Тип"_ansi, "ФИО"_ansi, "Должность"_ansi}));
    EXPECT_EQ(list.Format().groupHeaderText(13), "Руководитель"_ansi);
    EXPECT_EQ(session.Move(11, -1), 10); // "Филиалы" left past "Статус"
    EXPECT_EQ(list.Format().groupHeaderText(10), "Филиалы"_ansi);
    EXPECT_EQ(list.Format().headerText(12), "Статус"_ansi);
}

TEST_F(DesignedSessionTest, ARebuiltFormatLongerThan8128CharactersIsRefused) {
    std::string wide;
    for (int i = 0; i < 200; ++i)
        wide += "40L(2)|M~" + std::string(30, 'x') + "~@s20@";
    FakeListControl big(wide);
    ASSERT_EQ(big.Format().columnCount(), 200);
    BrwSettings record{&big, "BrwTest", {}, wide};
    BFormatTable entries;
    BrwFormatSession session(record, -1, entries);
    const std::string before = big.FormatText();
    EXPECT_EQ(session.Move(1, +1), 0);
    EXPECT_EQ(big.FormatText(), before);
    EXPECT_EQ(entries.FindByNumber(1)->count, 100);
    EXPECT_GT(RebuildFormatText(entries.ByNumber()).size(), kMaxRebuiltFormatLength);
}

TEST_F(SessionTest, VariantsShowTheirEntriesAndOnlyAllWithoutASearchOffersMoves) {
    BrwFormatSession session(settings, -1, table);
    session.Widen(9);
    session.HideShow(7);
    session.SetVariant(kVariantHidden);
    EXPECT_EQ(Numbers(session.ShownEntries()), (std::vector<int>{4, 7}));
    EXPECT_FALSE(session.MovesShown());
    EXPECT_EQ(session.Move(9, -1), 0);
    session.SetVariant(kVariantWorking);
    EXPECT_EQ(session.ShownEntries().size(), 7u);
    session.SetVariant(kVariantNarrowed);
    EXPECT_EQ(Numbers(session.ShownEntries()), (std::vector<int>{7}));
    session.SetVariant(kVariantWidened);
    EXPECT_EQ(Numbers(session.ShownEntries()), (std::vector<int>{9}));
    session.SetVariant(9); // not a variant: kept as it was
    EXPECT_EQ(session.Variant(), kVariantWidened);
    session.SetVariant(kVariantAll);
    EXPECT_TRUE(session.MovesShown());
    session.SetSearchText("ДВ"_ansi);
    EXPECT_FALSE(session.MovesShown());
    EXPECT_EQ(VariantCaption(kVariantHidden), " Скрытые"_ansi);
}

TEST_F(DesignedSessionTest, TheSearchMaskAnchorsOnCaretAndMatchesNamesAndGroups) {
    BrwFormatSession session(settings, -1, table);
    session.SetSearchText("^ИН*"_ansi);
    EXPECT_EQ(Numbers(session.ShownEntries()), (std::vector<int>{2}));
    session.SetSearchText("кОДы"_ansi); // the group's name, in any case
    EXPECT_EQ(Numbers(session.ShownEntries()), (std::vector<int>{2, 3, 4}));
    session.SetSearchText("^?ИО"_ansi);
    EXPECT_EQ(Numbers(session.ShownEntries()), (std::vector<int>{11}));
    for (const char* none : {"", "   ", "ПОИСК"_ansi}) {
        session.SetSearchText(none);
        EXPECT_EQ(session.Mask(), "") << none;
        EXPECT_EQ(session.ShownEntries().size(), 18u);
    }
    // Eighty wildcards cost no more than any other mask: forty "?" need forty characters, which no name
    // and group have; eighty "*" match every entry.
    std::string wild;
    for (int i = 0; i < 40; ++i)
        wild += "*?";
    session.SetSearchText(wild);
    EXPECT_EQ(session.ShownEntries().size(), 0u);
    session.SetSearchText(std::string(80, '*'));
    EXPECT_EQ(session.ShownEntries().size(), 18u);
    EXPECT_TRUE(MaskMatches(std::string(5000, 'a') + "b", std::string(80, '*') + "b"));
    EXPECT_FALSE(MaskMatches(std::string(5000, 'a'), std::string(80, '*') + "b"));
}

TEST_F(SessionTest, FixingAColumnOfAGroupFixesTheGroupAndTheHeaderColourChangesOnce) {
    BrwFormatSession session(settings, -1, table);
    ASSERT_TRUE(session.ToggleFixed(7));
    for (int c = 6; c <= 8; ++c) {
        EXPECT_TRUE(list.Format().fixed(c)) << c;
        EXPECT_TRUE(session.Entry(c)->colFixed) << c;
    }
    EXPECT_FALSE(session.Entry(5)->colFixed);
    ASSERT_TRUE(session.ToggleFixed(6));
    EXPECT_FALSE(list.Format().fixed(8));
    EXPECT_TRUE(session.SetHeaderColour(3, PaletteColour(11)));
    EXPECT_EQ(list.Format().headerColour(3), 0x0000FF);
    EXPECT_FALSE(session.SetHeaderColour(3, PaletteColour(11)));
    EXPECT_TRUE(session.SetHeaderColour(3, PaletteColour(0)));
    EXPECT_EQ(list.Format().headerColour(3), kNoColour);
}

TEST_F(DesignedSessionTest, ResetGivesTheDesignWithTheListsTextsAndTheDefaultAppearance) {
    BrwFormatSession session(settings, -1, table);
    session.Zoom(+1);
    session.Move(1, +1);
    session.HideShow(7);
    const int address = ColumnOf("Адрес"_ansi);
    list.EditFormat([address](ListFormat& f) {
        f.setHeaderText(address, "Место"_ansi);
        return f.setGroupHeaderText(1, "Коды"_ansi);
    });
    ASSERT_TRUE(session.Reset());
    const ListFormat& f = list.Format();
    EXPECT_EQ(f.headerText(6), "Место"_ansi);
    EXPECT_EQ(f.groupHeaderText(2), "Коды"_ansi);
    EXPECT_EQ(f.width(1), 120);
    EXPECT_EQ(f.width(7), 52); // hidden columns come back: the reset is the dialog's, not the zoom key's
    EXPECT_EQ(session.Entry(1)->savWidth, 120);
    EXPECT_EQ(session.Appearance(), ListAppearance{});
    EXPECT_EQ(list.fontSize, 11);
    settings.defaultFormat = "no format";
    EXPECT_FALSE(session.Reset());
    EXPECT_EQ(f.width(1), 120);
}

TEST_F(SessionTest, ZoomStopsAtFortyAndLeavesMarkersAndHiddenColumns) {
    BrwFormatSession session(settings, -1, table);
    for (int i = 0; i < 100; ++i)
        session.Zoom(+1);
    EXPECT_EQ(session.Appearance().setup, 1);
    EXPECT_EQ(session.Appearance().fontSize, 40);
    EXPECT_EQ(session.Appearance().lineHeight, 38); // 9 + 29 steps of the font's 11 to 40
    EXPECT_EQ(list.fontSize, 40);
    EXPECT_EQ(list.Format().width(1), 10); // the marker
    EXPECT_EQ(list.Format().width(4), 0);  // hidden
    EXPECT_EQ(list.Format().width(5), 49); // not resizable: 1 a step
    EXPECT_EQ(list.Format().width(9), 195);
    for (int i = 0; i < 100; ++i)
        session.Zoom(-1);
    EXPECT_EQ(session.Appearance().fontSize, 10); // the row height stops at 8 first
    EXPECT_EQ(session.Appearance().lineHeight, 8);
}

TEST_F(SessionTest, NoRestoresTheFormatAndAppearanceExactly) {
    list.icons[2] = "fix.png";
    const std::string format = list.FormatText();
    const FakeListControl before = list;
    const ListAppearance opened = settings.appearance;
    {
        BrwFormatSession session(settings, -1, table);
        session.Widen(3);
        session.HideShow(9);
        session.Move(5, -1);
        session.ToggleFixed(6);
        session.Zoom(+1);
        session.Appearance().gridColour = 14;
        session.Appearance().fontCode = 4;
        session.ApplyAppearance();
        EXPECT_EQ(list.fontName, "Verdana");
        EXPECT_NE(list.FormatText(), format);
    } // closed without " Да"
    EXPECT_EQ(list.FormatText(), format);
    EXPECT_EQ(list.fontName, before.fontName);
    EXPECT_EQ(list.fontSize, before.fontSize);
    EXPECT_EQ(list.grid, before.grid);
    EXPECT_EQ(list.bar, before.bar);
    EXPECT_EQ(list.selectedText, before.selectedText);
    EXPECT_EQ(list.lineHeight, before.lineHeight);
    EXPECT_EQ(list.wheel, before.wheel);
    EXPECT_EQ(list.icons[2], "fix.png");
    EXPECT_EQ(settings.appearance, opened);
    EXPECT_TRUE(table.Empty());
}

TEST_F(SessionTest, YesKeepsTheChangesWithoutTintsAndHandsTheAppearanceToTheRecord) {
    BrwFormatSession session(settings, -1, table);
    session.Widen(3);
    session.HideShow(9);
    session.Appearance() = {1, 14, 3, 5, 12, 2, 100}; // a row height of 5 is applied, and kept, as 9
    session.ApplyAppearance();
    session.Accept();
    session.Close();
    EXPECT_EQ(list.Format().width(3), 8);
    EXPECT_EQ(list.Format().width(9), 0);
    EXPECT_EQ(list.Format().colours(3), Colours{});
    EXPECT_EQ(settings.appearance, (ListAppearance{1, 14, 3, 9, 12, 2, 100}));
    EXPECT_EQ(list.fontName, "Calibri");
    EXPECT_TRUE(table.Empty());
}

TEST_F(SessionTest, AListWithoutColumnsOrWithoutAListOffersNothing) {
    FakeListControl broken("12X|~no~");
    ASSERT_EQ(broken.Format().columnCount(), 0);
    BrwSettings record{&broken, "BrwTest", {}, "also bad"};
    BrwFormatSession session(record, -1, table);
    EXPECT_EQ(session.EntryCount(), 0);
    EXPECT_EQ(session.StartEntry(1), 0);
    EXPECT_FALSE(session.Narrow(1) || session.HideShow(1) || session.ToggleFixed(1) || session.Reset());
    EXPECT_EQ(session.Move(1, 1), 0);
    session.Close();
    EXPECT_EQ(broken.Format().columnCount(), 0);

    BrwSettings none{nullptr, "BrwTest", {}, kSmallFormat};
    BrwFormatSession nothing(none, -1, table);
    EXPECT_FALSE(nothing.Widen(1) || nothing.Zoom(1) || nothing.Reset());
}

TEST_F(SessionTest, AFormatOf8191CharactersOpensEditsAndComesBackOnNo) {
    std::string text;
    while (text.size() < 8000)
        text += "40L(2)|M~" + std::string(60, 'h') + "~@s20@";
    text += "40L(2)|M~~@s20@";
    text.insert(text.size() - 6, std::string(8191 - text.size(), 'z'));
    ASSERT_EQ(text.size(), 8191u);
    FakeListControl big(text);
    ASSERT_EQ(big.FormatText(), text);
    BrwSettings record{&big, "BrwTest", {}, text};
    {
        BrwFormatSession session(record, -1, table);
        EXPECT_TRUE(session.Widen(2));
        EXPECT_EQ(session.Move(2, +1), 0); // the rebuilt text would be too long
        EXPECT_TRUE(session.Zoom(+1));
    }
    EXPECT_EQ(big.FormatText(), text);
}

TEST(SetBrwFormatTexts, CalculatorValuesAreValidatedPerSetting) {
    EXPECT_EQ(SettingFromCalculator(CalculatorSetting::LineHeight, 12), 12);
    EXPECT_EQ(SettingFromCalculator(CalculatorSetting::LineHeight, 6), 6);
    EXPECT_EQ(SettingFromCalculator(CalculatorSetting::LineHeight, 5), 9);
    EXPECT_EQ(SettingFromCalculator(CalculatorSetting::LineHeight, 41), 9);
    EXPECT_EQ(SettingFromCalculator(CalculatorSetting::LineHeight, 40.9), 40);
    EXPECT_EQ(SettingFromCalculator(CalculatorSetting::LineHeight, -1e300), 9);
    EXPECT_EQ(SettingFromCalculator(CalculatorSetting::FontSize, 7), 11);
    EXPECT_EQ(SettingFromCalculator(CalculatorSetting::FontSize, NAN), 11);
    EXPECT_EQ(SettingFromCalculator(CalculatorSetting::Wheel, 255), 255);
    EXPECT_EQ(SettingFromCalculator(CalculatorSetting::Wheel, 0), 40);
    EXPECT_EQ(SettingFromCalculator(CalculatorSetting::Wheel, INFINITY), 40);
}

TEST(SetBrwFormatTexts, TheTitleCarriesTheOwnersFirstFiftyCharacters) {
    EXPECT_EQ(SetBrwFormatTitle("  Запрос выписки из ЕГРЮЛ / ЕГРИП  "_ansi),
              "Изменить настройки списка в окне «Запрос выписки из ЕГРЮЛ / ЕГРИП» ?"_ansi);
    EXPECT_EQ(SetBrwFormatTitle(std::string(49, 'a') + " bcd"),
              "Изменить настройки списка в окне «"_ansi + std::string(49, 'a') + "» ?"_ansi);
}

} // namespace
} // namespace kvilo::listformat
