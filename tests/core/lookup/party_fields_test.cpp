// The party field list walked as a whole: every field has its row and record members, an answer member that
// the mapping reads, a list column in the designed format, a sheet column and a kvilo-cli name, so that a new
// field cannot be declared with one of them missing.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "base/code_page.h"
#include "base/cp1251.h"
#include "base/dates.h"
#include "core/listformat/list_format.h"
#include "core/lookup/party_answer.h"
#include "core/lookup/party_fields.h"
#include "core/lookup/party_row.h"
#include "designed_format.h"
#include "json/record_view.h"

namespace kvilo::lookup {
namespace {

using namespace base::literals;

// What the answer carries for each kind of value, and what the row then shows.
struct Sample {
    std::string answer; // JSON
    base::Variant shown;
};

Sample SampleFor(const PartyField& field, size_t index) {
    switch (field.value) {
    case PartyValue::LegalForm:
        return {"\"INDIVIDUAL\"", base::Variant("Ф"_ansi)};
    case PartyValue::Status:
        return {"\"LIQUIDATED\"", base::Variant("ликвидирована"_ansi)};
    case PartyValue::BranchType:
        return {"\"BRANCH\"", base::Variant("филиал"_ansi)};
    case PartyValue::Date:
        // A day of its own for each date: 16 August 2002 plus the field's place in the list.
        return {std::to_string(1029456000000LL + 86400000LL * static_cast<long long>(index)),
                base::Variant(base::DayNumber(2002, 8, 16) + static_cast<int>(index))};
    case PartyValue::Count:
        return {std::to_string(40 + index), base::Variant(static_cast<int>(40 + index))};
    case PartyValue::Coordinate:
        return {"\"5" + std::to_string(index) + ".25\"", base::Variant("5" + std::to_string(index) + ".25")};
    case PartyValue::Text:
        break;
    }
    const std::string text = "Ж" + std::to_string(index);
    return {"\"" + text + "\"", base::Variant(base::Utf8ToAnsi(text))};
}

// Members nested as their paths say ("data.state.status" inside "state" inside "data").
struct JsonObject {
    std::map<std::string, std::string> values;
    std::map<std::string, JsonObject> objects;

    void Put(std::string_view path, const std::string& value) {
        const size_t dot = path.find('.');
        if (dot == std::string_view::npos)
            values[std::string(path)] = value;
        else
            objects[std::string(path.substr(0, dot))].Put(path.substr(dot + 1), value);
    }
    std::string Text() const {
        std::string out;
        for (const auto& [name, value] : values)
            out += (out.empty() ? "" : ",") + ("\"" + name + "\":" + value);
        for (const auto& [name, object] : objects)
            out += (out.empty() ? "" : ",") + ("\"" + name + "\":" + object.Text());
        return "{" + out + "}";
    }
};

TEST(PartyFieldList, EveryFieldHasItsNamesAndColumns) {
    const auto& fields = PartyFields();
    std::set<std::string_view> names, cliNames, paths;
    for (const PartyField& field : fields) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        EXPECT_TRUE(cliNames.insert(field.cliName).second) << field.cliName;
        EXPECT_TRUE(paths.insert(field.answerPath).second) << field.answerPath;
        EXPECT_GT(field.answerWidth, 0u) << field.name;
        EXPECT_GT(field.column.width, 0) << field.name;
        EXPECT_STRNE(field.column.header, "") << field.name;
        EXPECT_STRNE(field.column.picture, "") << field.name;
        EXPECT_GT(field.sheetWidth, 0) << field.name;
    }
    // The row and the card's record have a member for each, in the list's order; the record also keeps
    // the region code.
    const auto& row = json::LayoutOf<PartyRow>().Fields();
    const auto& record = json::LayoutOf<PartyRecord>().Fields();
    ASSERT_EQ(row.size(), fields.size());
    ASSERT_EQ(record.size(), fields.size() + 1);
    for (size_t i = 0, r = 0; i < fields.size(); ++i, ++r) {
        EXPECT_EQ(row[i].name, "QF" + std::string(fields[i].name));
        if (record[r].name == "DaSrf") ++r;
        EXPECT_EQ(record[r].name, "Da" + std::string(fields[i].name));
    }
    EXPECT_EQ(record[16].name, "DaSrf");
}

TEST(PartyFieldList, TheMappingReadsEveryAnswerMember) {
    const auto& fields = PartyFields();
    JsonObject entry;
    for (size_t i = 0; i < fields.size(); ++i)
        entry.Put(fields[i].answerPath, SampleFor(fields[i], i).answer);
    PartyRows rows;
    ASSERT_EQ(MapAnswer("{\"suggestions\":[" + entry.Text() + "]}", rows), 1) << entry.Text();
    for (size_t i = 0; i < fields.size(); ++i) {
        const base::Variant shown = fields[i].rowValue(rows[0]);
        const base::Variant expected = SampleFor(fields[i], i).shown;
        EXPECT_EQ(shown.isText(), expected.isText()) << fields[i].name;
        EXPECT_EQ(shown.text(), expected.text()) << fields[i].name;
    }
    // The card's record copies each of them.
    PartyRecord record = CopyToPartyRecord(rows[0], 16);
    const json::RecordView rowView = json::ViewOf(rows[0]);
    const json::RecordView recordView = json::ViewOf(record);
    for (int32_t i = 1, r = 1; rowView.HasField(i); ++i, ++r) {
        if (recordView.FieldName(r) == "DaSrf") ++r;
        EXPECT_EQ(recordView.Value(r).text(), rowView.Value(i).text()) << rowView.FieldName(i);
    }
    EXPECT_EQ(record.DaSrf, 16);
}

TEST(PartyFieldList, TheDesignedFormatShowsTheFieldsInOrder) {
    // Byte for byte the main list's designed format.
    EXPECT_EQ(DesignedListFormat(), testing::kDesignedFormat);
    const listformat::ListFormat format(DesignedListFormat());
    ASSERT_EQ(format.columnCount(), static_cast<int>(kPartyFieldCount));
    for (size_t i = 0; i < kPartyFieldCount; ++i) {
        const int column = static_cast<int>(i + 1);
        const PartyField& field = PartyFields()[i];
        EXPECT_EQ(format.headerText(column), field.column.header) << field.name;
        EXPECT_EQ(format.width(column), field.column.width) << field.name;
        EXPECT_EQ(format.fieldNumber(column), column) << field.name;
        EXPECT_EQ(format.picture(column), field.column.picture) << field.name;
    }
}

} // namespace
} // namespace kvilo::lookup
