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

// Stores `codePage` into the parser's CODEPAGE and parses `text`. Returns the root or an empty tree.
JsonTree ParseJson(TJsonParser& parser, std::string_view text, int32_t codePage);
// Parses with the parser's current CODEPAGE.
JsonTree Parse(TJsonParser& parser, std::string_view text);

// Removes blanks, tabs, CR, LF, "//" comments up to the line end and "/* */" comments outside string
// literals; string literals are kept with their escapes. The result has the input's length: the freed tail
// is filled with blanks.
std::string MinifyJson(std::string_view text);

} // namespace kvilo::json
