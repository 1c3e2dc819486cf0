// Record layouts declared with KVILO_RECORD, the flat field enumeration, value conversion and lists.
#include "json/record_view.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "base/cp1251.h"
#include "json/record_list.h"

using namespace kvilo::json;
using namespace kvilo::base::literals;

namespace sample {

struct Inner {
    FixedText<4> CODE;
    int16_t LEVEL = 0;
};
KVILO_RECORD(Inner, CODE, LEVEL)

struct Outer {
    ZText<5> inn;
    FixedText<6> NAME;
    int8_t SMALL = 0;
    uint8_t BYTE = 0;
    int32_t COUNT = 0;
    uint32_t HANDLE = 0;
    double RATE = 0;
    Date DAY;
    std::array<int32_t, 3> NUMBERS{};
    std::array<char, 3> RAW{' ', ' ', ' '};
    Inner GROUP;
    std::array<Inner, 2> GROUPS;
    std::string_view REF;
    FixedText<10> D1;
};
KVILO_RECORD(Outer, (inn, "PRE:inn"), NAME, SMALL, BYTE, COUNT, HANDLE, RATE, DAY, NUMBERS, RAW, GROUP, GROUPS, REF,
             (D1, "D1", "ЕГРЮЛ"_ansi))

} // namespace sample

using sample::Outer;

TEST(RecordLayoutDeclaration, FieldsAreEnumeratedFlatWithGroupMembersAfterTheirGroup) {
    Outer record;
    RecordView view = ViewOf(record);
    const char* expected[] = {"PRE:inn", "NAME",  "SMALL", "BYTE",  "COUNT",  "HANDLE", "RATE",  "DAY", "NUMBERS",
                              "RAW",     "GROUP", "CODE",  "LEVEL", "GROUPS", "CODE",   "LEVEL", "REF", "ЕГРЮЛ"_ansi};
    ASSERT_EQ(view.FieldCount(), 18);
    for (int32_t i = 1; i <= 18; ++i)
        EXPECT_EQ(view.FieldName(i), expected[i - 1]) << i;
    EXPECT_FALSE(view.HasField(0));
    EXPECT_FALSE(view.HasField(19));
    EXPECT_EQ(view.FieldName(19), "");
    EXPECT_TRUE(view.IsGroup(11));
    EXPECT_EQ(view.LastMember(11), 13);
    EXPECT_EQ(view.LastMember(14), 16);
    EXPECT_EQ(view.LastMember(2), 2);
    EXPECT_EQ(view.ElementCount(9), 3);
    EXPECT_EQ(view.ElementCount(14), 2);
    EXPECT_EQ(view.ElementCount(10), 1); // std::array<char, N> is a fixed text, not an array
    EXPECT_TRUE(view.IsText(10));
    EXPECT_FALSE(view.IsText(9));
    EXPECT_EQ(LayoutOf<Outer>().TypeName(), "Outer");
}

TEST(RecordViewValues, TextsAreCutAndPadded) {
    Outer record;
    RecordView view = ViewOf(record);
    view.SetValue(1, Variant("1234567"));
    EXPECT_EQ(record.inn.View(), "12345");
    view.SetValue(2, Variant("ab"));
    EXPECT_EQ(std::string(record.NAME.bytes.data(), 6), "ab    ");
    EXPECT_EQ(view.Value(2).text(), "ab");
    view.SetValue(2, Variant(88.0));
    EXPECT_EQ(record.NAME.View(), "88");
    view.SetValue(10, Variant("xyz1"));
    EXPECT_EQ(std::string(record.RAW.data(), 3), "xyz");
    view.SetValue(1, Variant(std::string("a\0b", 3)));
    EXPECT_EQ(record.inn.View(), "a");
}

TEST(RecordViewValues, NumbersTruncateAndStayInRange) {
    Outer record;
    RecordView view = ViewOf(record);
    view.SetValue(3, Variant(300));
    EXPECT_EQ(record.SMALL, 127);
    view.SetValue(3, Variant(-2.9));
    EXPECT_EQ(record.SMALL, -2);
    view.SetValue(4, Variant(-5));
    EXPECT_EQ(record.BYTE, 0);
    view.SetValue(5, Variant("1e12"));
    EXPECT_EQ(record.COUNT, INT32_MAX);
    view.SetValue(5, Variant("not a number"));
    EXPECT_EQ(record.COUNT, 0);
    view.SetValue(5, Variant(1e300));
    EXPECT_EQ(record.COUNT, INT32_MAX);
    view.SetValue(6, Variant(4000000000.0));
    EXPECT_EQ(record.HANDLE, 4000000000u);
    view.SetValue(7, Variant("12.5"));
    EXPECT_DOUBLE_EQ(record.RATE, 12.5);
    view.SetValue(8, Variant(61730));
    EXPECT_EQ(record.DAY, 61730);
    EXPECT_EQ(view.Value(8).integer(), 61730);
    EXPECT_TRUE(view.Value(7).isReal());
    EXPECT_TRUE(view.Value(5).isInteger());
}

TEST(RecordViewValues, ArrayElementsAndGroupElements) {
    Outer record;
    RecordView view = ViewOf(record);
    view.SetValue(9, Variant(7), 3);
    EXPECT_EQ(record.NUMBERS[2], 7);
    view.SetValue(9, Variant(8), 4); // past the end: nothing
    EXPECT_EQ(view.Value(9, 4).text(), "");
    RecordView second = view.Group(14, 2);
    ASSERT_TRUE(second.IsValid());
    second.SetValue(1, Variant("QQ"));
    EXPECT_EQ(record.GROUPS[1].CODE.View(), "QQ");
    // Members reached through the flat enumeration belong to the first element.
    view.SetValue(15, Variant("F1"));
    EXPECT_EQ(record.GROUPS[0].CODE.View(), "F1");
    view.SetValue(12, Variant("G"));
    view.SetValue(13, Variant(5));
    EXPECT_EQ(record.GROUP.CODE.View(), "G");
    EXPECT_EQ(record.GROUP.LEVEL, 5);
    EXPECT_FALSE(view.Group(2).IsValid());
    EXPECT_FALSE(view.Group(14, 3).IsValid());
}

TEST(RecordViewValues, ReferencesAreReadNeverWritten) {
    const std::string text = "held elsewhere";
    Outer record;
    record.REF = text;
    RecordView view = ViewOf(record);
    EXPECT_EQ(view.Value(17).text(), "held elsewhere");
    view.SetValue(17, Variant("other"));
    EXPECT_EQ(record.REF.data(), text.data());
}

TEST(RecordViewValues, ClearBlanksTextsAndZeroesNumbers) {
    Outer record;
    record.NAME = "x";
    record.inn = "1";
    record.COUNT = 5;
    record.GROUP.CODE = "ab";
    record.GROUPS[1].LEVEL = 3;
    ViewOf(record).Clear();
    EXPECT_TRUE(record.NAME.Empty());
    EXPECT_EQ(std::string(record.NAME.bytes.data(), 6), "      ");
    EXPECT_TRUE(record.inn.Empty());
    EXPECT_EQ(record.COUNT, 0);
    EXPECT_TRUE(record.GROUP.CODE.Empty());
    EXPECT_EQ(record.GROUPS[1].LEVEL, 0);
    ViewOf(record).Group(11).SetValue(1, Variant("zz"));
    ViewOf(record).Group(11).Clear();
    EXPECT_TRUE(record.GROUP.CODE.Empty());
}

TEST(RecordListBasics, BufferAddGetFreeAndFind) {
    RecordListOf<sample::Inner> list;
    list.BufferRecord().CODE = "a";
    list.Add();
    list.BufferRecord().CODE = "b";
    list.BufferRecord().LEVEL = 2;
    list.Add();
    EXPECT_EQ(list.Count(), 2);
    ASSERT_TRUE(list.Get(1));
    EXPECT_EQ(list.BufferRecord().CODE.View(), "a");
    EXPECT_FALSE(list.Get(3));
    EXPECT_TRUE(list.FindByKey("code", "b  "));
    EXPECT_EQ(list.BufferRecord().LEVEL, 2);
    EXPECT_FALSE(list.FindByKey("CODE", "c"));
    EXPECT_FALSE(list.FindByKey("MISSING", "a"));
    list.ClearBuffer();
    EXPECT_TRUE(list.BufferRecord().CODE.Empty());
    list.Free();
    EXPECT_EQ(list.Count(), 0);
}

TEST(RecordListHandles, ResolveOnTheOwningThreadOnly) {
    uint32_t handle = 0;
    {
        RecordListOf<sample::Inner> list;
        RecordListOf<sample::Inner> other;
        handle = list.Handle();
        EXPECT_NE(handle, 0u);
        EXPECT_NE(handle, other.Handle());
        EXPECT_EQ(ResolveList(handle), &list);
        RecordList* seenElsewhere = &list;
        std::thread([&] { seenElsewhere = ResolveList(handle); }).join();
        EXPECT_EQ(seenElsewhere, nullptr);
    }
    EXPECT_EQ(ResolveList(handle), nullptr);
    EXPECT_EQ(ResolveList(0), nullptr);
}

TEST(RecordLayoutAtRunTime, FieldsByOffsetAndGroupsByLayout) {
    // Bytes 0-3: CODE, 4-5: COUNT (group BOX), 6-7: LEVEL (group BOX); the group lies at the record's start.
    auto text = [](std::string_view name, size_t offset, uint32_t width) {
        FieldInfo info;
        info.name = name;
        info.kind = FieldKind::FixedText;
        info.width = width;
        info.stride = width;
        info.offset = offset;
        return info;
    };
    FieldInfo level;
    level.name = "LEVEL";
    level.kind = FieldKind::Int16;
    level.stride = sizeof(int16_t);
    level.offset = 6;
    const RecordLayout box("BOX", {text("COUNT", 4, 2), level});
    FieldInfo group;
    group.name = "BOX";
    group.kind = FieldKind::Group;
    group.groupLayout = &box;
    const RecordLayout layout("RUNTIME", {text("CODE", 0, 4), group});

    alignas(int16_t) char bytes[8];
    std::memset(bytes, 'x', sizeof bytes);
    RecordView view(layout, bytes);
    view.Clear();
    EXPECT_EQ(std::string_view(bytes, 6), "      ");
    ASSERT_EQ(view.FieldCount(), 4);
    EXPECT_EQ(view.FieldName(4), "LEVEL");
    view.SetValue(1, Variant("ab"));
    view.SetValue(3, Variant("123"));
    view.SetValue(4, Variant(-7));
    EXPECT_EQ(std::string_view(bytes, 6), "ab  12");
    EXPECT_EQ(view.Group(2).Value(2).integer(), -7);
    view.Group(2).Clear();
    EXPECT_EQ(std::string_view(bytes, 6), "ab    ");
    EXPECT_EQ(view.Value(4).integer(), 0);
}
