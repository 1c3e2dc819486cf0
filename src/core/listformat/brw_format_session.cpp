#include "core/listformat/brw_format_session.h"

#include <cmath>
#include <map>

#include "base/blank_text.h"
#include "base/code_page.h"
#include "base/cp1251.h"
#include "core/listformat/apply_brw_format.h"
#include "core/listformat/color_palette.h"
#include "core/listformat/column_edit.h"
#include "core/listformat/column_entries.h"
#include "core/listformat/column_move.h"

namespace kvilo::listformat {

using namespace base::literals;

namespace {

constexpr size_t kTitleOwnerLength = 50;
constexpr int kSmallestZoom = 8;
constexpr int kLargestZoom = 40;
constexpr int kResizableZoomStep = 5;
const char* const kMarkerName = "Маркер"_ansi;

struct SettingRange {
    int low;
    int high;
    int fallback;
};

SettingRange RangeOf(CalculatorSetting setting) {
    switch (setting) {
    case CalculatorSetting::LineHeight:
        return {6, 40, 9};
    case CalculatorSetting::FontSize:
        return {8, 40, 11};
    case CalculatorSetting::Wheel:
        return {1, 255, 40};
    }
    return {0, 0, 0};
}

// What a reset gives back to a column of the designed format showing the same field.
struct KeptTexts {
    std::string picture;
    std::string header;
    bool inGroup = false;
    std::string groupHeader;
};

} // namespace

int SettingFromCalculator(CalculatorSetting setting, double value) {
    const SettingRange range = RangeOf(setting);
    // Checked as a real first: a huge or non-finite number must not reach the conversion to int.
    if (!std::isfinite(value) || value < range.low || value >= range.high + 1) return range.fallback;
    return static_cast<int>(value);
}

int FontCodeOfName(std::string_view fontName) {
    const std::string name = base::UpperText(base::Trim(fontName));
    if (name == "CALIBRI") return 2;
    if (name == "TAHOMA") return 3;
    if (name == "VERDANA") return 4;
    if (name == "ARIAL") return 5;
    return 1;
}

std::string SetBrwFormatTitle(std::string_view ownerTitle) {
    return "Изменить настройки списка в окне «"_ansi +
           std::string(base::Trim(ownerTitle.substr(0, kTitleOwnerLength))) + "» ?"_ansi;
}

BrwFormatSession::BrwFormatSession(BrwSettings& settings, long windowColour, BFormatTable& table)
    : settings_(settings), table_(table), windowColour_(windowColour) {
    table_.Clear();
    if (!list()) return;
    openingFormat_ = list()->Format();
    groups_ = LoadColumnEntries(*list(), table_, windowColour_);
    ListAppearance a;
    a.setup = settings_.appearance.setup;
    a.gridColour = PaletteIndex(list()->GridColour());
    a.barColour = PaletteIndex(list()->BarColour());
    a.lineHeight = list()->LineHeight();
    a.wheelScroll = list()->WheelStep();
    a.fontSize = list()->FontSize();
    a.fontCode = FontCodeOfName(list()->FontName());
    appearance_ = openingAppearance_ = WithValueRules(a);
}

BrwFormatSession::~BrwFormatSession() {
    Close();
}

int BrwFormatSession::StartEntry(int clickedColumn) const {
    if (table_.Empty()) return 0;
    return clickedColumn >= 1 && clickedColumn <= EntryCount() ? clickedColumn : 1;
}

std::vector<const BFormatEntry*> BrwFormatSession::ShownEntries() const {
    std::vector<const BFormatEntry*> shown;
    for (const BFormatEntry* entry : table_.ByNumber())
        if (EntryShown(*entry, variant_, mask_)) shown.push_back(entry);
    return shown;
}

const BFormatEntry* BrwFormatSession::Entry(int number) const {
    return table_.FindByNumber(number);
}

void BrwFormatSession::SetVariant(int variant) {
    if (variant >= kVariantAll && variant <= kVariantCount) variant_ = variant;
}

void BrwFormatSession::SetSearchText(std::string_view text) {
    mask_ = SearchMask(text);
}

bool BrwFormatSession::Narrow(int column) {
    return list() && ChangeColumnWidth(*list(), table_, column, -kResizableZoomStep);
}

bool BrwFormatSession::Widen(int column) {
    return list() && ChangeColumnWidth(*list(), table_, column, kResizableZoomStep);
}

bool BrwFormatSession::HideShow(int column) {
    return list() && HideShowColumn(*list(), table_, column, settings_.defaultFormat);
}

bool BrwFormatSession::TypeWidth(int column, std::string_view text) {
    return list() && SetTypedWidth(*list(), table_, column, text);
}

int BrwFormatSession::Move(int column, int direction) {
    if (!list() || !MovesShown()) return 0;
    return MoveColumn(*list(), table_, column, direction);
}

bool BrwFormatSession::ToggleFixed(int column) {
    return list() && listformat::ToggleFixed(*list(), table_, column);
}

bool BrwFormatSession::SetHeaderColour(int column, long colour) {
    return list() && listformat::SetHeaderColour(*list(), table_, column, colour);
}

bool BrwFormatSession::Reset() {
    const std::string_view designed = base::RightTrim(settings_.defaultFormat);
    if (!list() || designed.empty()) return false;
    std::map<int, KeptTexts> kept;
    const ListFormat& before = list()->Format();
    for (int c = 1; c <= before.columnCount(); ++c) {
        const Item* item = before.itemOf(c);
        kept.emplace(before.fieldNumber(c),
                     KeptTexts{before.picture(c), before.headerText(c), item->isGroup, before.groupHeaderText(c)});
    }
    if (!list()->SetFormatText(designed)) return false;
    list()->EditFormat([&](ListFormat& format) {
        for (int c = 1; c <= format.columnCount(); ++c) {
            const auto found = kept.find(format.fieldNumber(c));
            if (found == kept.end()) continue;
            format.setPicture(c, found->second.picture);
            format.setHeaderText(c, found->second.header);
            if (found->second.inGroup) format.setGroupHeaderText(c, found->second.groupHeader);
        }
        return true;
    });
    groups_ = LoadColumnEntries(*list(), table_, windowColour_);
    appearance_ = ListAppearance{};
    ApplyAppearance();
    return true;
}

bool BrwFormatSession::Zoom(int direction) {
    if (!list() || (direction != -1 && direction != 1)) return false;
    if (appearance_.setup == 0) appearance_ = ListAppearance{.setup = 1};
    const bool room = direction < 0 ? appearance_.lineHeight > kSmallestZoom && appearance_.fontSize > kSmallestZoom
                                    : appearance_.lineHeight < kLargestZoom && appearance_.fontSize < kLargestZoom;
    if (!room) return false;
    // Every column in one edit: the list is shown again once, not once per column.
    list()->EditFormat([&](ListFormat& format) {
        for (BFormatEntry& entry : table_.Entries()) {
            if (entry.colName == kMarkerName || entry.colWidth <= 0) continue;
            const int step = direction * (entry.colResize ? kResizableZoomStep : 1);
            ChangeColumnWidth(format, table_, entry.colNumber, step);
        }
        return true;
    });
    appearance_.lineHeight += direction;
    appearance_.fontSize += direction;
    ApplyAppearance();
    return true;
}

void BrwFormatSession::ApplyAppearance() {
    if (!list()) return;
    BrwSettings shown{list(), settings_.listId, appearance_, settings_.defaultFormat};
    listformat::ApplyAppearance(shown);
    RefreshIconList(*list());
}

void BrwFormatSession::ToggleSetup() {
    appearance_.setup = appearance_.setup == 1 ? 0 : 1;
    ApplyAppearance();
}

void BrwFormatSession::Accept() {
    if (!list() || closed_) return;
    RestoreEntryColours(*list(), table_);
    settings_.appearance = WithValueRules(appearance_);
    accepted_ = true;
}

void BrwFormatSession::Close() {
    if (closed_) return;
    closed_ = true;
    if (list() && !accepted_) {
        list()->EditFormat([this](ListFormat& format) {
            format = openingFormat_;
            return true;
        });
        appearance_ = openingAppearance_;
        ApplyAppearance();
    }
    table_.Clear();
}

} // namespace kvilo::listformat
