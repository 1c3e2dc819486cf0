// The list-format model over the main list's designed format and over small hand-made texts.
#include "core/listformat/list_format.h"

#include <gtest/gtest.h>

#include "designed_format.h"

namespace kvilo::listformat {
namespace {

using kvilo::testing::kDesignedFormat;
using namespace base::literals;

struct ExpectedColumn {
    const char* group;
    const char* header;
    int width;
    Justify justify;
    const char* picture;
};

// The column table of the designed main list.
const ExpectedColumn kTable[] = {
    {"", "Полное наименование"_ansi, 120, Justify::Left, "s255"},
    {"Коды ФНС"_ansi, "ИНН"_ansi, 58, Justify::Left, "s20"},
    {"Коды ФНС"_ansi, "КПП"_ansi, 46, Justify::Left, "s20"},
    {"Коды ФНС"_ansi, "ОГРН"_ansi, 70, Justify::Left, "s20"},
    {"", "Л"_ansi, 14, Justify::Centre, "s1"},
    {"", "Адрес"_ansi, 120, Justify::Left, "s255"},
    {"", "Актуальность"_ansi, 52, Justify::Right, "d06.b"},
    {"", "Регистрация"_ansi, 52, Justify::Right, "d06.b"},
    {"", "Ликвидация"_ansi, 52, Justify::Right, "d06.b"},
    {"", "Статус"_ansi, 80, Justify::Left, "s20"},
    {"Руководитель"_ansi, "ФИО"_ansi, 100, Justify::Left, "s80"},
    {"Руководитель"_ansi, "Должность"_ansi, 100, Justify::Left, "s80"},
    {"Филиалы"_ansi, "Кол-во"_ansi, 36, Justify::Right, "n_6b"},
    {"Филиалы"_ansi, "Тип"_ansi, 80, Justify::Left, "s20"},
    {"", "ОКВЭД"_ansi, 80, Justify::Left, "s80"},
    {"", "ОКПО"_ansi, 80, Justify::Left, "s20"},
    {"Координаты"_ansi, "Широта"_ansi, 70, Justify::Right, "s20"},
    {"Координаты"_ansi, "Долгота"_ansi, 70, Justify::Right, "s20"},
};

ListFormat Designed() {
    ListFormat f;
    EXPECT_TRUE(f.setText(kDesignedFormat));
    return f;
}

// --- The designed format ------------------------------------------------------------------------------

TEST(DesignedFormat, WritesBackByteForByte) {
    EXPECT_EQ(Designed().text(), kDesignedFormat);
}

TEST(DesignedFormat, HasEighteenColumnsInThirteenItemsWithFourGroups) {
    const ListFormat f = Designed();
    EXPECT_EQ(f.columnCount(), 18);
    EXPECT_EQ(f.itemCount(), 13);
    std::vector<std::string> groups;
    for (const Item& item : f.items())
        if (item.isGroup) groups.push_back(item.group.header);
    EXPECT_EQ(groups,
              (std::vector<std::string>{"Коды ФНС"_ansi, "Руководитель"_ansi, "Филиалы"_ansi, "Координаты"_ansi}));
}

TEST(DesignedFormat, MatchesTheColumnTable) {
    const ListFormat f = Designed();
    for (int i = 1; i <= 18; ++i) {
        const ExpectedColumn& e = kTable[i - 1];
        SCOPED_TRACE(i);
        EXPECT_TRUE(f.exists(i));
        EXPECT_EQ(f.headerText(i), e.header);
        EXPECT_EQ(f.groupHeaderText(i), e.group);
        EXPECT_EQ(f.width(i), e.width);
        EXPECT_EQ(f.alignment(i).justify, e.justify);
        EXPECT_EQ(f.alignment(i).indent, e.justify == Justify::Centre ? 0 : 2);
        EXPECT_EQ(f.picture(i), e.picture);
        EXPECT_EQ(f.fieldNumber(i), i);
        EXPECT_EQ(f.fixed(i), i == 1);
        EXPECT_EQ(f.resizable(i), i != 5);
        EXPECT_TRUE(f.rightBorder(i));
        EXPECT_TRUE(f.underline(i));
        EXPECT_EQ(f.headerColour(i), kNoColour);
        EXPECT_EQ(f.colours(i), Colours{});
    }
    EXPECT_FALSE(f.exists(19));
    EXPECT_FALSE(f.exists(0));
}

TEST(DesignedFormat, HeadersOfRightAlignedDatesAreLeftAligned) {
    const ListFormat f = Designed();
    EXPECT_EQ(f.headerAlignment(7), (Alignment{Justify::Left, 0, false}));
    EXPECT_EQ(f.alignment(7), (Alignment{Justify::Right, 2, true}));
    // Without a header alignment of its own a header follows the column.
    EXPECT_EQ(f.headerAlignment(1), f.alignment(1));
    EXPECT_EQ(f.headerAlignment(5).justify, Justify::Centre);
}

TEST(DesignedFormat, GroupNumbersAndCounts) {
    const ListFormat f = Designed();
    const int groupNumbers[] = {1, 2, 2, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10, 10, 11, 12, 13, 13};
    const int groupCounts[] = {0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 0, 0, 2, 0};
    for (int i = 1; i <= 18; ++i) {
        EXPECT_EQ(f.groupNumber(i), groupNumbers[i - 1]) << i;
        EXPECT_EQ(f.groupColumnCount(i), groupCounts[i - 1]) << i;
        EXPECT_EQ(f.groupHeaderWidth(i), 0) << i;
    }
    EXPECT_EQ(f.firstColumnOfItem(9), 11);
    EXPECT_EQ(f.itemColumnCount(2), 3);
    EXPECT_EQ(f.itemColumnCount(14), 0);
    // The group of coordinates is resizable as a whole, the others are not.
    EXPECT_TRUE(f.items()[12].group.resizable);
    EXPECT_FALSE(f.items()[1].group.resizable);
}

TEST(DesignedFormat, ItemTextsDescribeTheirItemsOnTheirOwn) {
    const ListFormat f = Designed();
    EXPECT_EQ(f.itemText(1), "120L(2)|_FM~Полное наименование~@s255@#1#"_ansi);
    EXPECT_EQ(f.itemText(3), "[58L(2)|_M~ИНН~@s20@#2#46L(2)|_M~КПП~@s20@70L(2)|_M~ОГРН~@s20@]|~Коды ФНС~L(2)"_ansi);
    EXPECT_EQ(f.itemText(5), "14C|_~Л~@s1@#5#"_ansi);
    EXPECT_EQ(f.itemText(99), "");
}

// --- Changes round-trip through the text ----------------------------------------------------------------

TEST(Editing, HidingAndShowingAColumnRoundTrips) {
    ListFormat f = Designed();
    ASSERT_TRUE(f.setWidth(6, 0));
    const std::string hidden = f.text();
    EXPECT_NE(hidden.find("@s1@0L(2)|_M~Адрес~"_ansi), std::string::npos);
    ListFormat g;
    ASSERT_TRUE(g.setText(hidden));
    EXPECT_EQ(g.width(6), 0);
    EXPECT_EQ(g.fieldNumber(7), 7); // a hidden column still takes its field
    ASSERT_TRUE(g.setWidth(6, 120));
    EXPECT_EQ(g.text(), kDesignedFormat);
}

TEST(Editing, ReorderingByConcatenatingItemTextsKeepsTheFields) {
    const ListFormat f = Designed();
    // "Л" first, then the rest in order.
    std::string text = f.itemText(5);
    for (int item = 1; item <= f.itemCount(); ++item)
        if (item != 3) text += f.itemText(f.firstColumnOfItem(item));
    ListFormat g;
    ASSERT_TRUE(g.setText(text));
    EXPECT_EQ(g.headerText(1), "Л"_ansi);
    EXPECT_EQ(g.fieldNumber(1), 5);
    EXPECT_EQ(g.headerText(2), "Полное наименование"_ansi);
    EXPECT_EQ(g.fieldNumber(2), 1);
    for (int i = 3; i <= 18; ++i)
        EXPECT_EQ(g.fieldNumber(i), i == 6 ? 6 : (i < 6 ? i - 1 : i)) << i;
    // Written canonically only the columns off the running number carry "#n#".
    const std::string canonical = g.text();
    EXPECT_EQ(canonical.rfind("14C|_~Л~@s1@#5#120L(2)|_FM~Полное наименование~@s255@#1#["_ansi, 0), 0u);
    EXPECT_NE(canonical.find("@s20@]|~Коды ФНС~L(2)120L(2)|_M~Адрес~@s255@#6#"_ansi), std::string::npos);
    ListFormat h;
    ASSERT_TRUE(h.setText(canonical));
    EXPECT_EQ(h, g);
    // Moving the item back restores the designed text exactly.
    ASSERT_TRUE(h.moveItem(1, 3));
    EXPECT_EQ(h.text(), kDesignedFormat);
}

TEST(Editing, MovingAnItemEqualsConcatenation) {
    ListFormat f = Designed();
    std::string text;
    for (int item : {1, 2, 4, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13})
        text += f.itemText(f.firstColumnOfItem(item));
    ASSERT_TRUE(f.moveItem(3, 4));
    ListFormat g;
    ASSERT_TRUE(g.setText(text));
    EXPECT_EQ(f, g);
    EXPECT_FALSE(f.moveItem(0, 1));
    EXPECT_FALSE(f.moveItem(1, 14));
}

TEST(Editing, HeaderColourIsWrittenBeforeTheHeader) {
    ListFormat f = Designed();
    ASSERT_TRUE(f.setHeaderColour(5, 255));
    EXPECT_NE(f.text().find("14C|_HT(255)~Л~@s1@"_ansi), std::string::npos);
    ListFormat g(f.text());
    EXPECT_EQ(g.headerColour(5), 255);
    ASSERT_TRUE(g.setHeaderColour(5, kNoColour));
    EXPECT_EQ(g.text(), kDesignedFormat);
}

TEST(Editing, FixingAGroupColumnFixesTheWholeGroup) {
    ListFormat f = Designed();
    ASSERT_TRUE(f.setFixed(3, true));
    EXPECT_TRUE(f.fixed(2));
    EXPECT_TRUE(f.fixed(4));
    EXPECT_NE(f.text().find("]|F~Коды ФНС~L(2)"_ansi), std::string::npos);
    ListFormat g(f.text());
    EXPECT_TRUE(g.fixed(4));
    ASSERT_TRUE(g.setFixed(2, false));
    ASSERT_TRUE(g.setFixed(1, false));
    EXPECT_EQ(g.text().rfind("120L(2)|_M~"_ansi, 0), 0u);
    ASSERT_TRUE(g.setFixed(1, true));
    EXPECT_EQ(g.text(), kDesignedFormat);
}

TEST(Editing, ColoursAreWrittenAfterTheFlags) {
    ListFormat f = Designed();
    ASSERT_TRUE(f.setColours(1, {0, 0xEEEEFF, 0, 0xEEEEFF}));
    EXPECT_EQ(f.text().rfind("120L(2)|_FME(0,15658751,0,15658751)~Полное"_ansi, 0), 0u);
    EXPECT_EQ(ListFormat(f.text()).colours(1), (Colours{0, 0xEEEEFF, 0, 0xEEEEFF}));
    ASSERT_TRUE(f.setColours(1, {}));
    EXPECT_EQ(f.text(), kDesignedFormat);
}

TEST(Editing, EveryPropertyReachesTheText) {
    ListFormat f = Designed();
    ASSERT_TRUE(f.setHeaderText(2, "Номер"_ansi));
    ASSERT_TRUE(f.setPicture(3, "s12"));
    ASSERT_TRUE(f.setResizable(5, true));
    ASSERT_TRUE(f.setRightBorder(6, false));
    ASSERT_TRUE(f.setUnderline(6, false));
    ASSERT_TRUE(f.setAlignment(10, {Justify::Decimal, 4, true}));
    ASSERT_TRUE(f.setHeaderAlignment(10, {Justify::Right, 0, false}));
    ASSERT_TRUE(f.setFieldNumber(16, 30));
    ASSERT_TRUE(f.setGroupHeaderText(11, "Директор"_ansi));
    ASSERT_TRUE(f.setGroupHeaderWidth(11, 200));
    ASSERT_TRUE(f.setGroupHeaderColour(17, 0x0000FF));
    const ListFormat g(f.text());
    EXPECT_EQ(g, f);
    EXPECT_EQ(g.headerText(2), "Номер"_ansi);
    EXPECT_EQ(g.picture(3), "s12");
    EXPECT_TRUE(g.resizable(5));
    EXPECT_FALSE(g.rightBorder(6));
    EXPECT_EQ(g.alignment(10), (Alignment{Justify::Decimal, 4, true}));
    EXPECT_EQ(g.headerAlignment(10).justify, Justify::Right);
    EXPECT_EQ(g.fieldNumber(16), 30);
    EXPECT_EQ(g.fieldNumber(17), 17); // explicit again: 31 would be the running number
    EXPECT_EQ(g.groupHeaderText(12), "Директор"_ansi);
    EXPECT_EQ(g.groupHeaderWidth(11), 200);
    EXPECT_EQ(g.groupHeaderWidth(12), 200);
    EXPECT_EQ(g.groupHeaderColour(18), 0x0000FF);
    EXPECT_NE(f.text().find("](200)|~Директор~"_ansi), std::string::npos);
}

TEST(Editing, SetItemTextReplacesOneItem) {
    ListFormat f = Designed();
    const std::string group = f.itemText(2);
    ASSERT_TRUE(f.setItemText(5, "20R|_F~Л~@s1@#5#"));
    EXPECT_TRUE(f.fixed(5));
    EXPECT_EQ(f.width(5), 20);
    EXPECT_EQ(f.fieldNumber(5), 5);
    EXPECT_EQ(f.fieldNumber(6), 6);
    EXPECT_FALSE(f.setItemText(5, "10L10L")); // two items
    EXPECT_FALSE(f.setItemText(5, "10L~x"));
    EXPECT_FALSE(f.setItemText(19, "10L"));
    // A group text assigned to a lone column turns that item into the group.
    ASSERT_TRUE(f.setItemText(1, group));
    EXPECT_EQ(f.columnCount(), 20);
    EXPECT_EQ(f.groupColumnCount(1), 3);
}

// --- Refusals -------------------------------------------------------------------------------------------

TEST(Refusals, ColumnsThatDoNotExistGiveEmptyValues) {
    ListFormat f = Designed();
    for (int column : {0, -1, 19, 1000}) {
        EXPECT_FALSE(f.exists(column));
        EXPECT_EQ(f.headerText(column), "");
        EXPECT_EQ(f.width(column), 0);
        EXPECT_EQ(f.picture(column), "");
        EXPECT_EQ(f.fieldNumber(column), 0);
        EXPECT_EQ(f.groupNumber(column), 0);
        EXPECT_EQ(f.headerColour(column), kNoColour);
        EXPECT_FALSE(f.fixed(column));
        EXPECT_EQ(f.column(column), nullptr);
        EXPECT_FALSE(f.setWidth(column, 10));
        EXPECT_FALSE(f.setHeaderText(column, "x"));
        EXPECT_FALSE(f.setFixed(column, true));
    }
    EXPECT_EQ(f.text(), kDesignedFormat);
}

TEST(Refusals, ValuesOutOfRangeChangeNothing) {
    ListFormat f = Designed();
    EXPECT_FALSE(f.setHeaderText(1, "a~b"));
    EXPECT_FALSE(f.setPicture(1, "s2@"));
    EXPECT_FALSE(f.setWidth(1, -1));
    EXPECT_FALSE(f.setWidth(1, kMaxColumnWidth + 1));
    EXPECT_FALSE(f.setFieldNumber(1, 0));
    EXPECT_FALSE(f.setHeaderColour(1, -2));
    EXPECT_FALSE(f.setHeaderColour(1, 0x1000000));
    EXPECT_FALSE(f.setColours(1, {0, 0, 0, -5}));
    EXPECT_FALSE(f.setAlignment(1, {static_cast<Justify>('X'), 0, false}));
    EXPECT_FALSE(f.setAlignment(1, {Justify::Left, kMaxIndent + 1, true}));
    EXPECT_FALSE(f.setGroupHeaderText(1, "x")); // not in a group
    EXPECT_FALSE(f.setGroupHeaderWidth(2, -3));
    EXPECT_EQ(f.text(), kDesignedFormat);
}

TEST(Refusals, BadTextsAreRejectedAsAWhole) {
    const char* bad[] = {
        "",                          // no item
        "L",                         // no width
        "120",                       // no alignment
        "120X",                      // unknown alignment
        "120L(2",                    // unclosed indent
        "120L()",                    // empty indent
        "120L|Q",                    // unknown modifier
        "120L|_ F",                  // a blank is not part of the language
        "120l",                      // alignments are capitals
        "120L~head",                 // unclosed header
        "120L@s20",                  // unclosed picture
        "120L~a~~b~",                // two headers
        "120L@s1@@s2@",              // two pictures
        "120L@s1@~a~",               // header after the picture
        "[120L",                     // unbalanced group
        "[]",                        // empty group
        "[10L[10L]]",                // nested group
        "10L]",                      // stray closing bracket
        "[10L]#3#",                  // a group shows no field
        "10L#0#",                    // fields count from 1
        "10L#3",                     // unclosed field
        "10LE(1,2,3)",               // three colours
        "10LE(1,2,3,4",              // unclosed colours
        "10LE(-2,0,0,0)",            // only -1 means none
        "10LE(-10,0,0,0)",           // only -1 means none
        "10LE(16777216,0,0,0)",      // beyond 0xFFFFFF
        "10LHT(",                    // unclosed header colour
        "10LH(1)",                   // "HT(" spelled wrong
        "4001L",                     // absurd width
        "99999999999999999999L",     // overflowing width
        "10L(256)",                  // absurd indent
        "10L(99999999999999999999)", // overflowing indent
        "[10L](65536)",              // absurd group width
        "10L#99999999999999999999#", // overflowing field
        "10L#9999#10L",              // the running field overflows
        "10L~a~L(",                  // unclosed header indent
    };
    for (const char* text : bad) {
        ListFormat f = Designed();
        EXPECT_FALSE(f.setText(text)) << text;
        EXPECT_EQ(f.text(), kDesignedFormat) << text;
    }
}

TEST(Refusals, TooManyColumnsAreRejected) {
    std::string text;
    for (int i = 0; i < kMaxColumns; ++i)
        text += "1L";
    ListFormat f;
    EXPECT_TRUE(f.setText(text));
    EXPECT_FALSE(f.setText(text + "1L"));
    EXPECT_EQ(f.columnCount(), kMaxColumns);
}

// --- The writer's canonical form --------------------------------------------------------------------------

TEST(Canonical, ModifiersAreWrittenInTheirOrder) {
    const ListFormat f("10L~A~F|@s5@MHT(3)_E(1,2,3,4)#1#");
    EXPECT_EQ(f.text(), "10L|_FME(1,2,3,4)HT(3)~A~@s5@");
}

TEST(Canonical, GroupWidthFollowsTheBracket) {
    const ListFormat f("[10L5R(0)](30)M~G~R|");
    EXPECT_EQ(f.columnCount(), 2);
    EXPECT_EQ(f.groupHeaderWidth(1), 30);
    EXPECT_EQ(f.text(), "[10L5R(0)](30)|M~G~R");
}

TEST(Canonical, ExplicitFieldsSetTheRunningNumber) {
    const ListFormat f("10L#3#10L10L#1#10L");
    EXPECT_EQ(f.fieldNumber(1), 3);
    EXPECT_EQ(f.fieldNumber(2), 4);
    EXPECT_EQ(f.fieldNumber(3), 1);
    EXPECT_EQ(f.fieldNumber(4), 2);
    EXPECT_EQ(f.text(), "10L#3#10L10L#1#10L");
}

TEST(Canonical, HeaderMayBeEmptyOrHoldAnyByteButTilde) {
    const ListFormat f("10L~~5C~[M] @|#~");
    EXPECT_EQ(f.columnCount(), 2);
    EXPECT_EQ(f.headerText(1), "");
    EXPECT_EQ(f.headerText(2), "[M] @|#");
    EXPECT_EQ(f.text(), "10L~~5C~[M] @|#~");
}

} // namespace
} // namespace kvilo::listformat
