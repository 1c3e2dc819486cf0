#include "core/framework/window_placement.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace kvilo::framework {

namespace {

constexpr const char* kYes = "Yes";
constexpr const char* kNo = "No";

void UpdateNumber(SettingsStore& store, std::string_view section, std::string_view entry, int32_t value) {
    if (value == kPlacementNotSet)
        store.Delete(section, entry);
    else
        store.Update(section, entry, std::to_string(value));
}

int32_t FetchNumber(const SettingsStore& store, std::string_view section, std::string_view entry) {
    std::string text = store.Fetch(section, entry);
    int32_t value = kPlacementNotSet;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return kPlacementNotSet;
    return value;
}

int32_t SizeOrNotSet(int32_t size) {
    return size >= 1 ? size : kPlacementNotSet;
}

// Sizes are added in 64 bits: a stored number may be anything up to the limits of 32 bits.
int32_t ClampToSpan(int64_t start, int64_t length, int64_t spanStart, int64_t spanLength) {
    return static_cast<int32_t>(std::clamp(start, spanStart, std::max(spanStart, spanStart + spanLength - length)));
}

} // namespace

WindowPlacement PlacementOf(const WindowState& state, std::string_view procedure) {
    WindowPlacement placement;
    placement.maximized = state.maximized;
    placement.minimized = state.minimized;
    if (state.minimized) return placement;
    if (state.maximized && procedure.starts_with(kNoIniPrefix)) return placement;
    placement.x = state.normal.x;
    placement.y = state.normal.y;
    if (state.resizable) {
        placement.width = state.normal.width;
        placement.height = state.normal.height;
    }
    return placement;
}

void UpdateWindowPlacement(SettingsStore& store, std::string_view section, const WindowPlacement& placement) {
    store.Update(section, "Maximize", placement.maximized ? kYes : kNo);
    store.Update(section, "Minimize", placement.minimized ? kYes : kNo);
    UpdateNumber(store, section, "XPos", placement.x);
    UpdateNumber(store, section, "YPos", placement.y);
    UpdateNumber(store, section, "Width", placement.width);
    UpdateNumber(store, section, "Height", placement.height);
}

std::optional<WindowPlacement> FetchWindowPlacement(const SettingsStore& store, std::string_view section) {
    std::string maximize = store.Fetch(section, "Maximize");
    if (maximize != kYes && maximize != kNo) return std::nullopt;
    WindowPlacement placement;
    placement.maximized = maximize == kYes;
    placement.minimized = store.Fetch(section, "Minimize") == kYes;
    placement.x = FetchNumber(store, section, "XPos");
    placement.y = FetchNumber(store, section, "YPos");
    placement.width = SizeOrNotSet(FetchNumber(store, section, "Width"));
    placement.height = SizeOrNotSet(FetchNumber(store, section, "Height"));
    return placement;
}

PlacementRect WorkAreaOrDefault(const WorkAreaSource& source) {
    return source.WorkArea().value_or(PlacementRect{0, 0, kDefaultWorkAreaWidth, kDefaultWorkAreaHeight});
}

PlacementRect KeepInWorkArea(PlacementRect window, PlacementRect workArea) {
    window.width = std::clamp(window.width, 1, std::max(workArea.width, 1));
    window.height = std::clamp(window.height, 1, std::max(workArea.height, 1));
    window.x = ClampToSpan(window.x, window.width, workArea.x, workArea.width);
    window.y = ClampToSpan(window.y, window.height, workArea.y, workArea.height);
    return window;
}

PlacementRect RestoredRect(const WindowPlacement& placement, PlacementRect current, PlacementRect workArea,
                           int32_t frameWidth, int32_t frameHeight) {
    auto pick = [](int32_t stored, int32_t present) { return stored == kPlacementNotSet ? present : stored; };
    int64_t width = int64_t{pick(placement.width, current.width)} + frameWidth;
    int64_t height = int64_t{pick(placement.height, current.height)} + frameHeight;
    auto limit = [](int64_t value) {
        return static_cast<int32_t>(std::clamp<int64_t>(value, 1, std::numeric_limits<int32_t>::max()));
    };
    PlacementRect outer = KeepInWorkArea(
        {pick(placement.x, current.x), pick(placement.y, current.y), limit(width), limit(height)}, workArea);
    return {outer.x, outer.y, std::max(outer.width - frameWidth, 1), std::max(outer.height - frameHeight, 1)};
}

} // namespace kvilo::framework
