// On valid input the parser builds the tree the public cJSON library builds: the same types, names,
// values and order. Checked over generated documents and the hand-written corpus.
#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "base/blank_text.h"
#include "json/json_parser.h"

using namespace kvilo::json;

namespace {

struct CJsonDeleter {
    void operator()(cJSON* node) const { cJSON_Delete(node); }
};
using CJsonTree = std::unique_ptr<cJSON, CJsonDeleter>;

// Compares two trees; returns the first difference as text, or empty.
std::string Difference(const TJsonNode* ours, const cJSON* theirs, const std::string& path) {
    for (; ours != nullptr && theirs != nullptr; ours = ours->NEXT, theirs = theirs->next) {
        const std::string here = path + "/" + std::string(ours->NAME.View());
        if (ours->Kind() != (theirs->type & 0xFF)) return here + ": type " + std::to_string(ours->Kind());
        const std::string_view theirName = theirs->string == nullptr ? "" : theirs->string;
        if (ours->NAME.View() != theirName) return here + ": name differs from " + std::string(theirName);
        if (ours->Kind() == kJsonString && GetString(ours) != std::string_view(theirs->valuestring))
            return here + ": string " + std::string(GetString(ours));
        if (ours->Kind() == kJsonNumber &&
            (ours->VALUEDOUBLE != theirs->valuedouble || ours->VALUEINT != theirs->valueint))
            return here + ": number " + std::string(ours->VALUESTRING.View());
        if (ours->VALUEINT != theirs->valueint && ours->Kind() != kJsonString) return here + ": valueint";
        if (std::string inner = Difference(ours->CHILD, theirs->child, here); !inner.empty()) return inner;
    }
    if (ours != nullptr || theirs != nullptr) return path + ": sibling count differs";
    return {};
}

// Random documents in the grammar both parsers accept: every value type, escapes, \u sequences and
// surrogate pairs, raw UTF-8 Cyrillic, numbers in several notations, uneven white space.
class DocumentGenerator {
public:
    explicit DocumentGenerator(unsigned seed) : random_(seed) {}

    std::string Document() {
        std::string out;
        Space(out);
        Value(out, 0);
        Space(out);
        return out;
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void Space(std::string& out) {
        static const char* spaces[] = {"", "", "", " ", "\n", "\t", "\r\n  "};
        out += spaces[Pick(7)];
    }

    void Value(std::string& out, int depth) {
        const int kind = depth >= 5 ? 3 + Pick(5) : Pick(8);
        switch (kind) {
        case 0:
        case 1:
            Container(out, depth, kind == 0);
            break;
        case 2:
            Container(out, depth, true);
            break;
        case 3:
            Text(out);
            break;
        case 4:
            Number(out);
            break;
        case 5:
            out += Pick(2) ? "true" : "false";
            break;
        case 6:
            out += "null";
            break;
        default:
            Text(out);
            break;
        }
    }

    void Container(std::string& out, int depth, bool object) {
        out += object ? '{' : '[';
        const int count = Pick(6);
        for (int i = 0; i < count; ++i) {
            if (i > 0) out += ',';
            Space(out);
            if (object) {
                Text(out);
                Space(out);
                out += ':';
                Space(out);
            }
            Value(out, depth + 1);
            Space(out);
        }
        out += object ? '}' : ']';
    }

    void Text(std::string& out) {
        static const char* pieces[] = {"a",
                                       "Inn",
                                       "data",
                                       " ",
                                       "Привет",
                                       "ЁЛКА",
                                       "№",
                                       "\\n",
                                       "\\t",
                                       "\\\"",
                                       "\\\\",
                                       "\\/",
                                       "\\b",
                                       "\\f",
                                       "\\r",
                                       "\\u0416",
                                       "\\u00e9",
                                       "\\u20AC",
                                       "\\u0041",
                                       "\\ud83d\\ude00",
                                       "\\uDBFF\\uDFFF",
                                       "x y z",
                                       "0123",
                                       "{}[],:"};
        out += '"';
        const int count = Pick(6);
        for (int i = 0; i < count; ++i)
            out += pieces[Pick(24)];
        out += '"';
    }

    void Number(std::string& out) {
        switch (Pick(6)) {
        case 0:
            out += std::to_string(Pick(1000) - 500);
            break;
        case 1:
            out += std::to_string(Pick(100000)) + "." + std::to_string(Pick(1000));
            break;
        case 2:
            out += std::to_string(Pick(9) + 1) + "e" + std::to_string(Pick(40) - 20);
            break;
        case 3:
            out += "-" + std::to_string(Pick(1000)) + ".5E+" + std::to_string(Pick(10));
            break;
        case 4:
            out += std::to_string(static_cast<long long>(Pick(1000000)) * 1000000LL);
            break;
        default:
            out += "0." + std::to_string(Pick(1000000));
            break;
        }
    }

    std::mt19937 random_;
};

// A prefix of a valid document: refused where cJSON refuses it, the same tree where both accept it. The one
// difference allowed is the number rule of a scalar document: "1e" is a number to cJSON's strtod, but not to
// the numeric-text test.
void ExpectSameVerdictOnPrefix(const std::string& prefix, const std::string& label) {
    TJsonParser parser;
    JsonTree ours = ParseJson(parser, prefix, -1);
    CJsonTree theirs(cJSON_ParseWithLength(prefix.data(), prefix.size()));
    if (!theirs) {
        ASSERT_FALSE(ours) << label << ": accepts what cJSON refuses: " << prefix;
        EXPECT_GE(parser.PARSEERRORPOS, prefix.find_first_not_of(" ") == std::string::npos ? 0 : 1) << label;
        EXPECT_LE(parser.PARSEERRORPOS, static_cast<int32_t>(prefix.size())) << label;
        return;
    }
    if (!ours) {
        ASSERT_TRUE(cJSON_IsNumber(theirs.get())) << label << ": refuses what cJSON accepts: " << prefix;
        const std::string_view trimmed = kvilo::base::Trim(prefix);
        ASSERT_TRUE(trimmed.back() == 'e' || trimmed.back() == 'E' || trimmed.back() == '+' || trimmed.back() == '-')
            << label << ": " << prefix;
        return;
    }
    EXPECT_EQ(Difference(ours.get(), theirs.get(), ""), "") << label << ": " << prefix;
}

void ExpectSameTree(const std::string& document, const std::string& label) {
    TJsonParser parser;
    JsonTree ours = ParseJson(parser, document, -1);
    CJsonTree theirs(cJSON_ParseWithLength(document.data(), document.size()));
    ASSERT_TRUE(theirs) << label << ": cJSON rejects " << document;
    ASSERT_TRUE(ours) << label << ": rejected at " << parser.PARSEERRORPOS << ": " << document;
    EXPECT_EQ(Difference(ours.get(), theirs.get(), ""), "") << label << ": " << document;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(CJsonOracle, GeneratedDocumentsGiveTheSameTrees) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        ExpectSameTree(DocumentGenerator(seed).Document(), "seed " + std::to_string(seed));
        if (HasFatalFailure()) return;
    }
}

TEST(CJsonOracle, EveryTruncationOfAGeneratedDocumentGetsTheSameVerdict) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        const std::string document = DocumentGenerator(seed).Document();
        for (size_t length = 0; length < document.size(); ++length) {
            ExpectSameVerdictOnPrefix(document.substr(0, length), "seed " + std::to_string(seed));
            if (HasFatalFailure()) return;
        }
    }
}

TEST(CJsonOracle, DocumentsMissingTheirLastBracketAreRefusedAtTheEnd) {
    const std::string deep = std::string(1000, '[') + std::string(999, ']');
    for (const std::string& document : {std::string("[[]"), std::string("[1,[]"), std::string("{\"a\":{}"),
                                        std::string("[[[[]"), deep, std::string("[[] "), std::string("[[]\n")}) {
        TJsonParser parser;
        EXPECT_FALSE(ParseJson(parser, document, -1)) << document;
        EXPECT_FALSE(CJsonTree(cJSON_ParseWithLength(document.data(), document.size()))) << document;
        // The end of the text, trailing blanks aside, and the excerpt from there.
        const size_t end = kvilo::base::RightTrim(document).size();
        EXPECT_EQ(parser.PARSEERRORPOS, static_cast<int32_t>(end)) << document;
        EXPECT_EQ(parser.PARSEERRORSTRING, document.substr(end - 1, 1) + std::string(19, ' ')) << document;
    }
}

TEST(CJsonOracle, HandWrittenCorpusGivesTheSameTrees) {
    int valid = 0;
    int invalid = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(KVILO_TEST_FIXTURES) + "/json-corpus")) {
        const std::string name = entry.path().filename().string();
        const std::string document = ReadFile(entry.path());
        if (name.rfind("bad-", 0) == 0) {
            // Both parsers reject these.
            TJsonParser parser;
            EXPECT_FALSE(ParseJson(parser, document, -1)) << name;
            EXPECT_GT(parser.PARSEERRORPOS, 0) << name;
            EXPECT_FALSE(CJsonTree(cJSON_ParseWithLength(document.data(), document.size()))) << name;
            ++invalid;
        } else {
            ExpectSameTree(document, name);
            ++valid;
        }
    }
    EXPECT_GE(valid, 20);
    EXPECT_GE(invalid, 8);
    ExpectSameTree(ReadFile(std::string(KVILO_TEST_FIXTURES) + "/answers/suggest-party.json"), "party answer");
    ExpectSameTree(ReadFile(std::string(KVILO_TEST_FIXTURES) + "/answers/version.json"), "version answer");
}
