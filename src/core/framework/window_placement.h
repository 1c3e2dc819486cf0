#pragma once
// Window placement: where a window was and how big it was, kept in the settings store under the window's
// procedure name so that it reopens where the user left it. This part knows no widgets; the Qt side is in
// window_placement_widget.h.
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "core/framework/settings_store.h"

namespace kvilo::framework {

// A position or size that is not known (0x80000000).
inline constexpr int32_t kPlacementNotSet = std::numeric_limits<int32_t>::min();

// The work area assumed when the system reports no screen.
inline constexpr int32_t kDefaultWorkAreaWidth = 3840;
inline constexpr int32_t kDefaultWorkAreaHeight = 2160;

// Procedure names with this prefix keep no position or size while maximized: such a window is meant to
// open maximized, and a restored size of its own would only get in the way.
inline constexpr std::string_view kNoIniPrefix = "NoINI_";

// The record kept per window: the state, the frame's top-left corner and the inner size.
struct WindowPlacement {
    bool maximized = false;
    bool minimized = false;
    int32_t x = kPlacementNotSet;
    int32_t y = kPlacementNotSet;
    int32_t width = kPlacementNotSet;
    int32_t height = kPlacementNotSet;
};

struct PlacementRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// What the store needs to know of a window that closes.
struct WindowState {
    bool maximized = false;
    bool minimized = false;
    bool resizable = true;
    PlacementRect normal; // the position and size the window has when neither maximized nor minimized
};

// The record for a closing window: a minimized window keeps only its state; a window that cannot be resized
// keeps no size; a maximized window keeps its normal position and size unless its name begins "NoINI_".
WindowPlacement PlacementOf(const WindowState& state, std::string_view procedure);

// Writes "Maximize", "Minimize" ("Yes" / "No"), "XPos", "YPos", "Width", "Height" in that order; a number
// that is not set is deleted instead of written.
void UpdateWindowPlacement(SettingsStore& store, std::string_view section, const WindowPlacement& placement);

// Reads the record back. Only "Maximize" exactly "Yes" or "No" makes a record (nothing otherwise); a missing
// or unreadable number stays not set, and so does a width or height below 1.
std::optional<WindowPlacement> FetchWindowPlacement(const SettingsStore& store, std::string_view section);

// The screen area windows may take, or nothing when the system knows no screen.
class WorkAreaSource {
public:
    virtual ~WorkAreaSource() = default;
    virtual std::optional<PlacementRect> WorkArea() const = 0;
};

// The source's work area, or 0, 0, 3840 x 2160 when it reports none.
PlacementRect WorkAreaOrDefault(const WorkAreaSource& source);

// Moves and, when it is bigger than the work area, shrinks `window` (its outer frame) so that it lies wholly
// inside `workArea`.
PlacementRect KeepInWorkArea(PlacementRect window, PlacementRect workArea);

// The rectangle to give a window whose present (outer) rectangle is `current`: the stored numbers that are
// set replace the present ones, and the result is kept inside the work area. `frameWidth` and
// `frameHeight` are what the frame adds to the stored inner size.
PlacementRect RestoredRect(const WindowPlacement& placement, PlacementRect current, PlacementRect workArea,
                           int32_t frameWidth, int32_t frameHeight);

} // namespace kvilo::framework
