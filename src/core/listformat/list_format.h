#pragma once
// The format text of a list: one string that describes the columns of a list control, their groups,
// widths, alignment, headers, display pictures, colours and flags. ListFormat parses such a text into
// items (a single column or a group of columns), lets every property of a column be read and changed,
// and writes the text back in the canonical modifier order.
//
//   format   = item { item }
//   item     = column | group
//   group    = "[" column { column } "]" [ "(" width ")" ] { modifier } [ header ] { modifier }
//   column   = width just [ "(" indent ")" ] { modifier } [ header ] { modifier } [ picture ] { modifier }
//   just     = "L" | "R" | "C" | "D"
//   header   = "~" text "~" [ just [ "(" indent ")" ] ]
//   picture  = "@" text "@"
//   modifier = "|" | "_" | "F" | "M" | "#" field "#" | "E(" c "," c "," c "," c ")" | "HT(" c ")"
//
// Texts are Windows-1251 bytes. Columns and items are numbered from 1. A text that does not parse is
// rejected as a whole and the format keeps what it had, so a stored text from an older program can never
// garble the list.
#include <string>
#include <string_view>
#include <vector>

namespace kvilo::listformat {

// A colour value 0x00BBGGRR, or kNoColour for "the list's own colour".
inline constexpr long kNoColour = -1;
inline constexpr long kMaxColour = 0xFFFFFF;

// Limits beyond which a text is taken as damaged rather than as a wish of the user.
inline constexpr int kMaxColumnWidth = 4000; // dialog units
inline constexpr int kMaxGroupWidth = 65535; // dialog units
inline constexpr int kMaxIndent = 255;       // dialog units
inline constexpr int kMaxFieldNumber = 9999;
inline constexpr int kMaxColumns = 256;

enum class Justify : char { Left = 'L', Right = 'R', Centre = 'C', Decimal = 'D' };

struct Alignment {
    Justify justify = Justify::Left;
    int indent = 0;
    bool indentGiven = false; // "L" and "L(0)" mean the same; the text keeps the form it was given in
    bool operator==(const Alignment&) const = default;
};

// Text, background, selected text and selected background colour of a column: "E(t,b,st,sb)".
struct Colours {
    long text = kNoColour;
    long background = kNoColour;
    long selectedText = kNoColour;
    long selectedBackground = kNoColour;
    bool operator==(const Colours&) const = default;
};

// What a column and a group have in common: the flags, colours and the header.
struct Decoration {
    bool rightBorder = false; // "|": a separator line on the right
    bool underline = false;   // "_": a line under every row
    bool fixed = false;       // "F": does not scroll sideways
    bool resizable = false;   // "M": the user may change the width
    Colours colours;
    long headerColour = kNoColour; // "HT(c)"
    bool hasHeader = false;
    std::string header;
    bool hasHeaderAlignment = false;
    Alignment headerAlignment;
    bool operator==(const Decoration&) const = default;
};

struct Column : Decoration {
    int width = 0; // dialog units; 0 = hidden
    Alignment alignment;
    std::string picture; // without the "@" delimiters; empty = the value as it stands
    int field = 1;       // field of the row shown in this column
    bool operator==(const Column&) const = default;
};

struct Item {
    bool isGroup = false;
    Decoration group;   // the group header (groups only)
    int groupWidth = 0; // the group header's own width, "(w)" after "]"; 0 = not given
    std::vector<Column> columns;
    bool operator==(const Item&) const = default;
};

class ListFormat {
public:
    ListFormat() = default;
    // Parses `text`; see setText.
    explicit ListFormat(std::string_view text) { setText(text); }

    // Replaces the format by the parsed `text`. A text that does not parse (or is empty) is rejected:
    // false, and nothing changes.
    bool setText(std::string_view text);
    // The canonical text: modifiers in the order | _ F M E(...) HT(...), then header and header
    // alignment, then picture, then #n# where the field is not the running number.
    std::string text() const;

    int columnCount() const;
    int itemCount() const { return static_cast<int>(items_.size()); }
    const std::vector<Item>& items() const { return items_; }

    // Per-column properties, column numbers from 1. Reading a column that does not exist gives false,
    // empty text, 0 or kNoColour; setting one on it, or setting a value out of range, returns false and
    // changes nothing.
    bool exists(int column) const { return find(column) != nullptr; }
    const Column* column(int column) const;
    // The item that holds `column` (nullptr when it does not exist).
    const Item* itemOf(int column) const;

    std::string headerText(int column) const;
    bool setHeaderText(int column, std::string_view header); // no "~" in a header
    int width(int column) const;
    bool setWidth(int column, int width); // 0 hides the column
    bool resizable(int column) const;
    bool setResizable(int column, bool on);
    // A column of a group is fixed when the group is, or when it carries "F" itself; fixing a column of
    // a group fixes the whole group, since a group scrolls as one.
    bool fixed(int column) const;
    bool setFixed(int column, bool on);
    std::string picture(int column) const;
    bool setPicture(int column, std::string_view picture); // no "@" in a picture
    int fieldNumber(int column) const;
    bool setFieldNumber(int column, int field);
    bool underline(int column) const;
    bool setUnderline(int column, bool on);
    bool rightBorder(int column) const;
    bool setRightBorder(int column, bool on);
    Alignment alignment(int column) const;
    bool setAlignment(int column, Alignment alignment);
    // Without an alignment of its own the header takes the column's.
    Alignment headerAlignment(int column) const;
    bool setHeaderAlignment(int column, Alignment alignment);
    long headerColour(int column) const;
    bool setHeaderColour(int column, long colour);
    Colours colours(int column) const;
    bool setColours(int column, const Colours& colours);

    // The number of the item that holds the column: the columns of one group share it.
    int groupNumber(int column) const;
    // The number of columns of the group when `column` is its first column, otherwise 0.
    int groupColumnCount(int column) const;
    std::string groupHeaderText(int column) const;
    bool setGroupHeaderText(int column, std::string_view header);
    int groupHeaderWidth(int column) const;
    bool setGroupHeaderWidth(int column, int width);
    long groupHeaderColour(int column) const;
    bool setGroupHeaderColour(int column, long colour);

    // The text of the item that holds the column. It describes the item on its own: its first column
    // always carries "#n#", so a format rebuilt by concatenating item texts in any order still shows
    // every field in its column (text() then drops the marks that the running number makes redundant).
    std::string itemText(int column) const;
    // Replaces the item that holds `column` by `text`, which must parse as exactly one item.
    bool setItemText(int column, std::string_view text);

    // First column and column count of item `item` (1-based); 0 when it does not exist.
    int firstColumnOfItem(int item) const;
    int itemColumnCount(int item) const;
    // Moves item `item` to position `position` (both 1-based), the others keeping their order.
    bool moveItem(int item, int position);

    bool operator==(const ListFormat&) const = default;

private:
    struct Place {
        int item = 0;
        int member = 0;
    };
    bool locate(int column, Place& place) const;
    const Column* find(int column) const;
    template <class Edit> bool editColumn(int column, Edit edit);
    template <class Edit> bool editGroup(int column, Edit edit);

    std::vector<Item> items_;
};

} // namespace kvilo::listformat
