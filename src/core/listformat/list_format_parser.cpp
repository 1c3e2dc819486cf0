// The parser of the format text: a hand-written descent over the grammar in list_format.h. Every number is
// range-checked digit by digit, so no text can overflow it, and every unexpected byte rejects the text.
#include "core/listformat/list_format_text.h"

#include "base/ascii.h"

namespace kvilo::listformat {
namespace {

using base::IsDigit;

bool IsJustify(char c) {
    return c == 'L' || c == 'R' || c == 'C' || c == 'D';
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool format(std::vector<Item>& items) {
        items.clear();
        int running = 1;
        int columns = 0;
        while (!atEnd()) {
            Item item;
            if (!this->item(item, running)) return false;
            columns += static_cast<int>(item.columns.size());
            if (columns > kMaxColumns) return false;
            items.push_back(std::move(item));
        }
        return !items.empty();
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    bool take(char c) {
        if (peek() != c) return false;
        ++pos_;
        return true;
    }

    // Decimal digits worth at most `max`; at least one digit.
    bool number(int max, int& out) {
        if (!IsDigit(peek())) return false;
        long value = 0;
        while (IsDigit(peek())) {
            value = value * 10 + (text_[pos_++] - '0');
            if (value > max) return false;
        }
        out = static_cast<int>(value);
        return true;
    }

    bool colour(long& out) {
        if (take('-')) {
            if (!take('1') || IsDigit(peek())) return false;
            out = kNoColour;
            return true;
        }
        int value = 0;
        if (!number(static_cast<int>(kMaxColour), value)) return false;
        out = value;
        return true;
    }

    // "(" number ")" after an alignment or a group; absent is fine.
    bool optionalParenthesised(int max, int& out, bool& given) {
        given = take('(');
        if (!given) return true;
        return number(max, out) && take(')');
    }

    bool alignment(Alignment& a) {
        if (!IsJustify(peek())) return false;
        a.justify = static_cast<Justify>(text_[pos_++]);
        return optionalParenthesised(kMaxIndent, a.indent, a.indentGiven);
    }

    // Text up to the closing delimiter, which must be there.
    bool delimited(char delimiter, std::string& out) {
        const auto end = text_.find(delimiter, pos_);
        if (end == std::string_view::npos) return false;
        out.assign(text_.substr(pos_, end - pos_));
        pos_ = end + 1;
        return true;
    }

    bool colours(Colours& c) {
        return take('(') && colour(c.text) && take(',') && colour(c.background) && take(',') &&
               colour(c.selectedText) && take(',') && colour(c.selectedBackground) && take(')');
    }

    // { modifier }. `field` is null for a group, where "#n#" has no meaning.
    bool modifiers(Decoration& d, int* field, bool& fieldGiven) {
        for (;;) {
            switch (peek()) {
            case '|':
                d.rightBorder = true;
                break;
            case '_':
                d.underline = true;
                break;
            case 'F':
                d.fixed = true;
                break;
            case 'M':
                d.resizable = true;
                break;
            case 'E':
                ++pos_;
                if (!colours(d.colours)) return false;
                continue;
            case 'H':
                ++pos_;
                if (!(take('T') && take('(') && colour(d.headerColour) && take(')'))) return false;
                continue;
            case '#':
                ++pos_;
                if (!field || !number(kMaxFieldNumber, *field) || *field < 1 || !take('#')) return false;
                fieldGiven = true;
                continue;
            default:
                return true;
            }
            ++pos_;
        }
    }

    bool header(Decoration& d) {
        if (!take('~')) return true;
        d.hasHeader = true;
        if (!delimited('~', d.header)) return false;
        if (!IsJustify(peek())) return true;
        d.hasHeaderAlignment = true;
        return alignment(d.headerAlignment);
    }

    bool column(Column& c, int& running) {
        int explicitField = 0;
        bool given = false;
        if (!number(kMaxColumnWidth, c.width) || !alignment(c.alignment)) return false;
        if (!modifiers(c, &explicitField, given) || !header(c) || !modifiers(c, &explicitField, given)) return false;
        if (take('@') && !delimited('@', c.picture)) return false;
        if (!modifiers(c, &explicitField, given)) return false;
        c.field = given ? explicitField : running;
        if (c.field > kMaxFieldNumber) return false;
        running = c.field + 1;
        return true;
    }

    bool group(Item& item, int& running) {
        item.isGroup = true;
        do {
            Column c;
            if (!column(c, running)) return false;
            item.columns.push_back(std::move(c));
            if (static_cast<int>(item.columns.size()) > kMaxColumns) return false;
        } while (!take(']'));
        bool widthGiven = false;
        bool noField = false;
        return optionalParenthesised(kMaxGroupWidth, item.groupWidth, widthGiven) &&
               modifiers(item.group, nullptr, noField) && header(item.group) && modifiers(item.group, nullptr, noField);
    }

    bool item(Item& item, int& running) {
        if (take('[')) return group(item, running);
        Column c;
        if (!column(c, running)) return false;
        item.columns.push_back(std::move(c));
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

bool ParseItems(std::string_view text, std::vector<Item>& items) {
    return Parser(text).format(items);
}

} // namespace kvilo::listformat
