// libFuzzer target: any byte string through ParseJson (with each of the program's code pages), then the
// tree into a suggestion-shaped record both directly and through the lookup's one-rule rules text, the same
// text through the lookup's filtered parse, and the bytes as a rules text of their own. Must never crash,
// leak or trip the sanitizers.
//
//   build-fuzz/fuzz/json/json_parse_fuzz build-fuzz/corpus tests/fixtures/json-corpus
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "suggestion_record.h"
#include "json/json_mapping.h"
#include "json/json_parser.h"

namespace fuzz {

using namespace kvilo::json;

using suggestion::Address;
using suggestion::Answer;
using suggestion::Management;
using suggestion::State;

struct Data {
    FixedText<10> BRANCH_COUNT;
    FixedText<20> BRANCH_TYPE;
    FixedText<128> INN;
    FixedText<128> KPP;
    FixedText<20> OGRN;
    FixedText<20> OKPO;
    FixedText<20> OKVED;
    FixedText<20> TYPE;
    int32_t COUNT = 0;
    int8_t SMALL = 0;
    double RATE = 0;
    Date DAY;
    std::array<int16_t, 3> CODES{};
    Management MANAGEMENT;
    State STATE;
    Address ADDRESS;
};
KVILO_RECORD(Data, BRANCH_COUNT, BRANCH_TYPE, INN, KPP, OGRN, OKPO, OKVED, TYPE, COUNT, SMALL, RATE, DAY, CODES,
             MANAGEMENT, STATE, ADDRESS)

struct Item {
    FixedText<1024> UNRESTRICTED_VALUE;
    Data DATA;
};
KVILO_RECORD(Item, UNRESTRICTED_VALUE, DATA)

} // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kvilo::json;
    static const int32_t codePages[] = {0, -1, 65001};
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    RecordListOf<fuzz::Item> working;
    const std::string rules = "[{\"name\":\"suggestions\",\"instance\":" + std::to_string(working.Handle()) + "}]";
    TJsonParser parser;
    JsonTree root = ParseJson(parser, text, codePages[size % 3]);
    if (root) {
        fuzz::Answer answer;
        JsonToRecord(root.get(), ViewOf(answer), rules);
        fuzz::Item item;
        JsonToRecord(root.get(), ViewOf(item));
        JsonTree written = RecordToJson(ViewOf(item));
        JsonToList(root.get(), working, 2);
    } else if (parser.PARSEERRORPOS < 0 || parser.PARSEERRORPOS > static_cast<int64_t>(size)) {
        __builtin_trap(); // an error position outside the text
    }
    // The lookup's filtered parse, which builds only what the records take: the same verdict at the same
    // place as the whole parse.
    TJsonParser filteredParser;
    fuzz::Answer filtered;
    const bool loaded = JsonTextToRecord(filteredParser, text, codePages[size % 3], ViewOf(filtered), rules, 20);
    if (filteredParser.PARSEERRORPOS != parser.PARSEERRORPOS || (loaded && !root)) __builtin_trap();
    FieldRuleList parsedRules;
    ParseFieldRules(text, parsedRules);
    return 0;
}
