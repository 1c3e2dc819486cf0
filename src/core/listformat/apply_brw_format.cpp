#include "core/listformat/apply_brw_format.h"

#include <map>
#include <optional>

#include "base/blank_text.h"
#include "base/code_page.h"
#include "base/cp1251.h"
#include "core/framework/message_presenter.h"
#include "core/listformat/color_palette.h"
#include "core/listformat/list_format_stores.h"
#include "platform/os_version.h"

namespace kvilo::listformat {

using namespace base::literals;

const char* const kZoomTipSuffix = "[ CTRL + MINUS / PLUS / 0 ] - масштаб"_ansi;

namespace {

constexpr int kMaxZoomedWidth = 600;
constexpr int kSmallestZoom = 8;
constexpr int kLargestZoom = 40;

const char* const kMarker = "•"_ansi;
const char* const kGoodsMarker = "™"_ansi;

// Headers "_" and "[M]" stand for marker columns, shown as "•" and "™".
void ShowMarkerHeaders(ListControl& list) {
    list.EditFormat([](ListFormat& format) {
        for (int c = 1; c <= format.columnCount(); ++c) {
            const std::string header = format.headerText(c);
            if (base::RightTrim(header) == "_") format.setHeaderText(c, kMarker);
            if (base::RightTrim(header) == "[M]") format.setHeaderText(c, kGoodsMarker);
        }
        return true;
    });
}

void ShowTooLongMessage(size_t length) {
    framework::Message message;
    message.caption = "У нас проблема ..."_ansi;
    message.text = " Внимание ! Превышение размера хранения формата: "_ansi + std::to_string(length);
    message.icon = framework::MessageIcon::Information;
    framework::ShowMessage(message);
}

// Loading one list's entry when BrwFMem has no usable one: the stored entry when it fits the design,
// otherwise the designed format with the default appearance. A new BrwFMem entry then holds the list's
// state as it stands.
void LoadFromFile(BrwSettings& settings, const std::string& id, bool inMemory) {
    ListFormatStores& stores = CurrentListFormatStores();
    ListControl& list = *settings.list;
    const std::string designed = list.FormatText();
    if (const std::optional<BrwSetRecord> stored = stores.LoadUsable(id, designed)) {
        settings.defaultFormat = base::RightTrim(stored->defFormat);
        list.SetFormatText(base::RightTrim(stored->curFormat));
        settings.appearance = stored->appearance;
    } else {
        if (designed.size() > kMaxStoredFormatLength) ShowTooLongMessage(designed.size());
        settings.defaultFormat = designed.substr(0, kMaxStoredFormatLength);
        settings.appearance.setup = 0;
    }
    settings.appearance = WithValueRules(settings.appearance);
    const std::string current = list.FormatText();
    if (inMemory || !StorableFormatLength(current)) return;
    BrwMemEntry entry;
    entry.idBrowse = id;
    entry.defFormat = settings.defaultFormat;
    entry.curFormat = current;
    entry.appearance = settings.appearance;
    stores.Memory().Put(entry);
}

void LoadAndApply(BrwSettings& settings, const std::string& id) {
    ListControl& list = *settings.list;
    const std::optional<BrwMemEntry> memory = CurrentListFormatStores().Memory().Find(id);
    if (memory && !base::RightTrim(memory->curFormat).empty()) {
        settings.defaultFormat = memory->defFormat;
        list.SetFormatText(base::RightTrim(memory->curFormat));
        settings.appearance = memory->appearance;
    } else {
        LoadFromFile(settings, id, memory.has_value());
    }
    settings.appearance = WithValueRules(settings.appearance);
    // A stored format shows its marker columns as the designed one does.
    ShowMarkerHeaders(list);
    std::string tip(base::RightTrim(list.Tip()));
    if (!tip.empty()) tip += ", ";
    list.SetTip(tip + kZoomTipSuffix);
    if (platform::IsNewerSystem()) list.SetBackgroundColour(kNewerSystemTint);
    ApplyAppearance(settings);
    for (AlertKey key : {AlertKey::Reset, AlertKey::Larger, AlertKey::Smaller})
        list.AddAlertKey(key);
}

// Keeps the list's state in BrwFMem when it differs from what is there.
void Store(const BrwSettings& settings, const std::string& id) {
    BrwFMem& memory = CurrentListFormatStores().Memory();
    const std::string current(base::RightTrim(settings.list->FormatText()));
    const std::optional<BrwMemEntry> found = memory.Find(id);
    if (found && current == base::RightTrim(found->curFormat) && found->appearance == settings.appearance) return;
    BrwMemEntry entry = found.value_or(BrwMemEntry{});
    entry.idBrowse = id;
    entry.defFormat = base::RightTrim(settings.defaultFormat);
    if (StorableFormatLength(current)) entry.curFormat = current;
    entry.appearance = settings.appearance;
    memory.Put(entry);
}

// What a reset keeps of a column, by field number.
struct KeptColumn {
    std::string picture;
    std::string header;
    int width = 0;
    long headerColour = kNoColour;
    bool inGroup = false;
    std::string groupHeader;
};

void Reset(BrwSettings& settings) {
    if (base::RightTrim(settings.defaultFormat).empty()) return;
    ListControl& list = *settings.list;
    std::map<int, KeptColumn> kept;
    const ListFormat& before = list.Format();
    for (int c = 1; c <= before.columnCount(); ++c) {
        const Item* item = before.itemOf(c);
        kept.emplace(before.fieldNumber(c),
                     KeptColumn{before.picture(c), before.headerText(c), before.width(c), before.headerColour(c),
                                item && item->isGroup, before.groupHeaderText(c)});
    }
    list.SetFormatText(base::RightTrim(settings.defaultFormat));
    list.EditFormat([&](ListFormat& format) {
        for (int c = 1; c <= format.columnCount(); ++c) {
            const auto found = kept.find(format.fieldNumber(c));
            if (found == kept.end()) continue;
            const KeptColumn& column = found->second;
            format.setPicture(c, column.picture);
            format.setHeaderText(c, column.header);
            format.setHeaderColour(c, column.headerColour);
            // A column that was outside any group has no group header to give back.
            if (column.inGroup) format.setGroupHeaderText(c, column.groupHeader);
            if (column.width == 0) format.setWidth(c, 0);
        }
        return true;
    });
    settings.appearance.setup = 0;
    ApplyAppearance(settings);
    RefreshIconList(list);
}

bool Zoomable(const ListFormat& format, int column) {
    const int width = format.width(column);
    return width >= 1 && width <= kMaxZoomedWidth && !format.headerText(column).starts_with(kMarker) &&
           !base::EqualNoCase(format.picture(column), "p<pb");
}

// The sum of the visible widths of the group that `column` heads, or 0 when it is below 1.
int GroupWidth(const ListFormat& format, int column) {
    const int group = format.groupNumber(column);
    int sum = 0;
    for (int c = column; c <= format.columnCount() && format.groupNumber(c) == group; ++c)
        if (format.width(c) > 0) sum += format.width(c);
    return sum < 1 ? 0 : sum;
}

void Zoom(BrwSettings& settings, int direction) {
    ListAppearance& a = settings.appearance;
    if (a.setup == 0) {
        a = ListAppearance{};
        a.setup = 1;
    }
    const bool room = direction < 0 ? a.lineHeight > kSmallestZoom && a.fontSize > kSmallestZoom
                                    : a.lineHeight < kLargestZoom && a.fontSize < kLargestZoom;
    if (!room) return;
    ListControl& list = *settings.list;
    list.EditFormat([direction](ListFormat& format) {
        for (int c = 1; c <= format.columnCount(); ++c) {
            if (!Zoomable(format, c)) continue;
            const int width = format.width(c) + direction * (format.resizable(c) ? 5 : 1);
            if (width > 0) format.setWidth(c, width);
        }
        // The group headers follow their members once all of them have their new widths.
        for (int c = 1; c <= format.columnCount(); ++c) {
            const int members = format.groupColumnCount(c);
            if (members == 1) format.setGroupHeaderWidth(c, format.width(c));
            if (members > 1) format.setGroupHeaderWidth(c, GroupWidth(format, c));
        }
        return true;
    });
    a.fontSize += direction;
    list.SetFont(ListFontName(a.fontCode), a.fontSize, kListFontCharset);
    a.lineHeight += direction;
    list.SetLineHeight(a.lineHeight);
    RefreshIconList(list);
}

} // namespace

const char* ListFontName(int fontCode) {
    switch (fontCode) {
    case 1:
        return "Segoe UI";
    case 2:
        return "Calibri";
    case 3:
        return "Tahoma";
    case 4:
        return "Verdana";
    default:
        return "Arial";
    }
}

void ApplyAppearance(BrwSettings& settings) {
    if (!settings.list) return;
    ListControl& list = *settings.list;
    settings.appearance = WithValueRules(settings.appearance);
    const ListAppearance& a = settings.appearance;
    const std::string font = ListFontName(a.fontCode);
    if (base::UpperText(base::RightTrim(list.FontName())) != base::UpperText(font) || list.FontSize() != a.fontSize)
        list.SetFont(font, a.fontSize, kListFontCharset);
    const long grid = PaletteColour(a.gridColour);
    if (list.GridColour() != grid) list.SetGridColour(grid);
    const long bar = PaletteColour(a.barColour);
    if (list.BarColour() != bar) list.SetBarColour(bar);
    const long selectedText = SelectedTextColourOn(a.barColour);
    if (list.SelectedTextColour() != selectedText) list.SetSelectedTextColour(selectedText);
    list.SetLineHeight(a.lineHeight);
    if (list.WheelStep() != a.wheelScroll) list.SetWheelStep(a.wheelScroll);
}

void RefreshIconList(ListControl& list) {
    for (int i = 1; i <= ListControl::kIconCount; ++i) {
        const std::string name = list.IconName(i);
        if (!base::Trim(name).empty()) list.SetIconName(i, base::Trim(name));
    }
}

int ActionOfAlertKey(AlertKey key) {
    switch (key) {
    case AlertKey::Reset:
        return kBrwReset;
    case AlertKey::Smaller:
        return kBrwSmaller;
    case AlertKey::Larger:
        return kBrwLarger;
    }
    return 0;
}

void ApplyBrwFormat(int action, BrwSettings& settings) {
    const std::string id(base::RightTrim(settings.listId));
    if (!settings.list || id.empty()) return;
    if (action != kBrwStore) ShowMarkerHeaders(*settings.list);
    switch (action) {
    case kBrwLoad:
        LoadAndApply(settings, id);
        break;
    case kBrwStore:
        Store(settings, id);
        break;
    case kBrwReset:
        Reset(settings);
        break;
    case kBrwSmaller:
        Zoom(settings, -1);
        break;
    case kBrwLarger:
        Zoom(settings, +1);
        break;
    default:
        break;
    }
}

} // namespace kvilo::listformat
