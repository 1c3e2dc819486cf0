#pragma once
// TJsonParser: JSON text (UTF-8, as the web services send it) to a TJsonNode tree, with every string value
// and member name converted to CODEPAGE. The grammar, the 1000-level nesting limit and the error rules are
// cJSON's; on top of them: 1-based positions, a UTF-8 byte order mark is skipped, a Number keeps its text
// in VALUESTRING, DEPTHLIMIT prunes deep content, OnParseProgress reports progress, a scalar document must
// be nothing but that scalar, and a failure leaves PARSEERRORPOS and PARSEERRORSTRING on the parser.
//
//   TJsonParser parser;
//   JsonTree root = ParseJson(parser, answerText, 0);   // strings arrive in 1251
//   if (!root) ... parser.PARSEERRORPOS, parser.PARSEERRORSTRING ...
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "json/json_node.h"

namespace kvilo::json {

class TJsonParser {
public:
    TJsonParser() = default;
    virtual ~TJsonParser() = default;

    // Called after each container closes and after each string at least NOTIFYSTRINGSIZE bytes long.
    // `totalLength` is LEN, `position` the 1-based POS, `depth` the current nesting. Does nothing here.
    virtual void OnParseProgress(int32_t totalLength, int32_t position, int32_t depth);

    std::string PARSEERRORSTRING = std::string(20, ' '); // input excerpt at the error, blank-padded to 20
    int32_t PARSEERRORPOS = 0;                           // 1-based; 0 = no error
    int32_t CODEPAGE = -1;                               // -1 keeps strings as UTF-8 bytes
    int32_t DEPTHLIMIT = INT32_MAX;                      // deeper containers keep no children
    int32_t NOTIFYSTRINGSIZE = 8193;
};

// Which parts of a document a parse keeps in the tree. Everything is read and checked as usual, and an
// error anywhere fails the parse as usual; what is not kept leaves no node behind and is not converted,
// so that a caller who reads a few members of a large answer builds (and pays for) only those.
//
//   ParseFilter filter;
//   filter.KeepMember("suggestions");   // members of any object, by name
//   filter.KeepElements(20);            // the first elements of every array
class ParseFilter {
public:
    // Keeps the members whose name equals `name` without regard to letter case (1251) and trailing blanks,
    // and no others. Until it is first called, every member is kept.
    void KeepMember(std::string_view name);
    // Keeps the first `count` elements of every array (all of them unless this is called).
    void KeepElements(int32_t count) { elements_ = count; }

    bool KeepsMember(std::string_view name) const;
    // `index` counts from 0.
    bool KeepsElement(int32_t index) const { return index < elements_; }

private:
    bool named_ = false;
    std::vector<std::vector<std::string>> keysByLength_; // upper-cased, without trailing blanks
    int32_t elements_ = INT32_MAX;
};

// Stores `codePage` into the parser's CODEPAGE and parses `text`. Returns the root or an empty tree.
JsonTree ParseJson(TJsonParser& parser, std::string_view text, int32_t codePage);
// The same, keeping only what `filter` keeps. OnParseProgress hears of every container and of every long
// string that is kept.
JsonTree ParseJson(TJsonParser& parser, std::string_view text, int32_t codePage, const ParseFilter& filter);
// Parses with the parser's current CODEPAGE.
JsonTree Parse(TJsonParser& parser, std::string_view text);

// Removes blanks, tabs, CR, LF, "//" comments up to the line end and "/* */" comments outside string
// literals; string literals are kept with their escapes. The result has the input's length: the freed tail
// is filled with blanks.
std::string MinifyJson(std::string_view text);

} // namespace kvilo::json
