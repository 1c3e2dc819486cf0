// ListFormat: the parsed items and the per-column properties over them. Every setter checks its value
// against the same limits as the parser, so whatever the model holds writes back to a text that parses.
#include "core/listformat/list_format.h"

#include <algorithm>

#include "core/listformat/list_format_text.h"

namespace kvilo::listformat {
namespace {

bool ValidColour(long c) {
    return c == kNoColour || (c >= 0 && c <= kMaxColour);
}
bool ValidColours(const Colours& c) {
    return ValidColour(c.text) && ValidColour(c.background) && ValidColour(c.selectedText) &&
           ValidColour(c.selectedBackground);
}
bool ValidAlignment(const Alignment& a) {
    const char j = static_cast<char>(a.justify);
    return (j == 'L' || j == 'R' || j == 'C' || j == 'D') && a.indent >= 0 && a.indent <= kMaxIndent;
}

} // namespace

bool ListFormat::setText(std::string_view text) {
    std::vector<Item> parsed;
    if (!ParseItems(text, parsed)) return false;
    items_ = std::move(parsed);
    return true;
}

std::string ListFormat::text() const {
    std::string out;
    int running = 1;
    for (const Item& item : items_)
        WriteItem(item, running, out);
    return out;
}

int ListFormat::columnCount() const {
    int count = 0;
    for (const Item& item : items_)
        count += static_cast<int>(item.columns.size());
    return count;
}

bool ListFormat::locate(int column, Place& place) const {
    if (column < 1) return false;
    int first = 1;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const int size = static_cast<int>(items_[i].columns.size());
        if (column < first + size) {
            place = {static_cast<int>(i), column - first};
            return true;
        }
        first += size;
    }
    return false;
}

const Column* ListFormat::find(int column) const {
    Place p;
    return locate(column, p) ? &items_[p.item].columns[p.member] : nullptr;
}

const Column* ListFormat::column(int column) const {
    return find(column);
}

const Item* ListFormat::itemOf(int column) const {
    Place p;
    return locate(column, p) ? &items_[p.item] : nullptr;
}

// Applies `edit` (Column& -> bool, false = value refused) to an existing column.
template <class Edit> bool ListFormat::editColumn(int column, Edit edit) {
    Place p;
    return locate(column, p) && edit(items_[p.item].columns[p.member]);
}

// Applies `edit` (Item& -> bool) to the group that holds the column; false for a column outside groups.
template <class Edit> bool ListFormat::editGroup(int column, Edit edit) {
    Place p;
    return locate(column, p) && items_[p.item].isGroup && edit(items_[p.item]);
}

std::string ListFormat::headerText(int column) const {
    const Column* c = find(column);
    return c ? c->header : std::string();
}

bool ListFormat::setHeaderText(int column, std::string_view header) {
    if (header.find('~') != std::string_view::npos) return false;
    return editColumn(column, [&](Column& c) {
        c.header.assign(header);
        c.hasHeader = true;
        return true;
    });
}

int ListFormat::width(int column) const {
    const Column* c = find(column);
    return c ? c->width : 0;
}

bool ListFormat::setWidth(int column, int width) {
    if (width < 0 || width > kMaxColumnWidth) return false;
    return editColumn(column, [&](Column& c) { return c.width = width, true; });
}

bool ListFormat::resizable(int column) const {
    const Column* c = find(column);
    return c && c->resizable;
}

bool ListFormat::setResizable(int column, bool on) {
    return editColumn(column, [&](Column& c) { return c.resizable = on, true; });
}

bool ListFormat::fixed(int column) const {
    const Item* item = itemOf(column);
    return item && (item->group.fixed || find(column)->fixed);
}

bool ListFormat::setFixed(int column, bool on) {
    Place p;
    if (!locate(column, p)) return false;
    Item& item = items_[p.item];
    if (!item.isGroup) {
        item.columns[0].fixed = on;
        return true;
    }
    item.group.fixed = on;
    if (!on)
        for (Column& c : item.columns)
            c.fixed = false;
    return true;
}

std::string ListFormat::picture(int column) const {
    const Column* c = find(column);
    return c ? c->picture : std::string();
}

bool ListFormat::setPicture(int column, std::string_view picture) {
    if (picture.find('@') != std::string_view::npos) return false;
    return editColumn(column, [&](Column& c) { return c.picture.assign(picture), true; });
}

int ListFormat::fieldNumber(int column) const {
    const Column* c = find(column);
    return c ? c->field : 0;
}

bool ListFormat::setFieldNumber(int column, int field) {
    if (field < 1 || field > kMaxFieldNumber) return false;
    return editColumn(column, [&](Column& c) { return c.field = field, true; });
}

bool ListFormat::underline(int column) const {
    const Column* c = find(column);
    return c && c->underline;
}

bool ListFormat::setUnderline(int column, bool on) {
    return editColumn(column, [&](Column& c) { return c.underline = on, true; });
}

bool ListFormat::rightBorder(int column) const {
    const Column* c = find(column);
    return c && c->rightBorder;
}

bool ListFormat::setRightBorder(int column, bool on) {
    return editColumn(column, [&](Column& c) { return c.rightBorder = on, true; });
}

Alignment ListFormat::alignment(int column) const {
    const Column* c = find(column);
    return c ? c->alignment : Alignment{};
}

bool ListFormat::setAlignment(int column, Alignment alignment) {
    if (!ValidAlignment(alignment)) return false;
    return editColumn(column, [&](Column& c) { return c.alignment = alignment, true; });
}

Alignment ListFormat::headerAlignment(int column) const {
    const Column* c = find(column);
    if (!c) return {};
    return c->hasHeaderAlignment ? c->headerAlignment : c->alignment;
}

bool ListFormat::setHeaderAlignment(int column, Alignment alignment) {
    if (!ValidAlignment(alignment)) return false;
    return editColumn(column, [&](Column& c) {
        c.headerAlignment = alignment;
        c.hasHeaderAlignment = true;
        return true;
    });
}

long ListFormat::headerColour(int column) const {
    const Column* c = find(column);
    return c ? c->headerColour : kNoColour;
}

bool ListFormat::setHeaderColour(int column, long colour) {
    if (!ValidColour(colour)) return false;
    return editColumn(column, [&](Column& c) { return c.headerColour = colour, true; });
}

Colours ListFormat::colours(int column) const {
    const Column* c = find(column);
    return c ? c->colours : Colours{};
}

bool ListFormat::setColours(int column, const Colours& colours) {
    if (!ValidColours(colours)) return false;
    return editColumn(column, [&](Column& c) { return c.colours = colours, true; });
}

int ListFormat::groupNumber(int column) const {
    Place p;
    return locate(column, p) ? p.item + 1 : 0;
}

int ListFormat::groupColumnCount(int column) const {
    Place p;
    if (!locate(column, p) || !items_[p.item].isGroup || p.member != 0) return 0;
    return static_cast<int>(items_[p.item].columns.size());
}

std::string ListFormat::groupHeaderText(int column) const {
    const Item* item = itemOf(column);
    return item && item->isGroup ? item->group.header : std::string();
}

bool ListFormat::setGroupHeaderText(int column, std::string_view header) {
    if (header.find('~') != std::string_view::npos) return false;
    return editGroup(column, [&](Item& item) {
        item.group.header.assign(header);
        item.group.hasHeader = true;
        return true;
    });
}

int ListFormat::groupHeaderWidth(int column) const {
    const Item* item = itemOf(column);
    return item && item->isGroup ? item->groupWidth : 0;
}

bool ListFormat::setGroupHeaderWidth(int column, int width) {
    if (width < 0 || width > kMaxGroupWidth) return false;
    return editGroup(column, [&](Item& item) { return item.groupWidth = width, true; });
}

long ListFormat::groupHeaderColour(int column) const {
    const Item* item = itemOf(column);
    return item && item->isGroup ? item->group.headerColour : kNoColour;
}

bool ListFormat::setGroupHeaderColour(int column, long colour) {
    if (!ValidColour(colour)) return false;
    return editGroup(column, [&](Item& item) { return item.group.headerColour = colour, true; });
}

std::string ListFormat::itemText(int column) const {
    const Item* item = itemOf(column);
    std::string out;
    if (!item) return out;
    int running = 0; // no field is 0: the first column writes its own
    WriteItem(*item, running, out);
    return out;
}

bool ListFormat::setItemText(int column, std::string_view text) {
    Place p;
    std::vector<Item> parsed;
    if (!locate(column, p) || !ParseItems(text, parsed) || parsed.size() != 1) return false;
    const int after = columnCount() - static_cast<int>(items_[p.item].columns.size()) +
                      static_cast<int>(parsed.front().columns.size());
    if (after > kMaxColumns) return false;
    items_[p.item] = std::move(parsed.front());
    return true;
}

int ListFormat::firstColumnOfItem(int item) const {
    if (item < 1 || item > itemCount()) return 0;
    int first = 1;
    for (int i = 0; i + 1 < item; ++i)
        first += static_cast<int>(items_[i].columns.size());
    return first;
}

int ListFormat::itemColumnCount(int item) const {
    if (item < 1 || item > itemCount()) return 0;
    return static_cast<int>(items_[item - 1].columns.size());
}

bool ListFormat::moveItem(int item, int position) {
    if (item < 1 || item > itemCount() || position < 1 || position > itemCount()) return false;
    const auto from = items_.begin() + (item - 1);
    const auto to = items_.begin() + (position - 1);
    if (from < to)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    return true;
}

} // namespace kvilo::listformat
