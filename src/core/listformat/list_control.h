#pragma once
// ListControl: the list column model, what the list-format operations (the applier, the settings dialog)
// need of a list control. The Qt list control implements it (gui/listcontrol/list_control_adapter.h); tests
// implement it over a bare ListFormat. Texts are Windows-1251; colours 0x00BBGGRR, -1 = the list's own.
#include <functional>
#include <string>
#include <string_view>

#include "core/listformat/list_format.h"

namespace kvilo::listformat {

// The keys a list hands to its owner window instead of handling them itself.
enum class AlertKey {
    Reset,   // Ctrl+0
    Smaller, // Ctrl+Minus (numeric keypad; the main keyboard's minus too)
    Larger,  // Ctrl+Plus (numeric keypad; the main keyboard's plus and equals too)
};

class ListControl {
public:
    virtual ~ListControl() = default;

    // The columns and their properties: exists, header text, width, resizable, fixed, picture, field
    // number, group number, group column count, group header text and width, header colour, colours,
    // right border and item text (list_format.h).
    virtual const ListFormat& Format() const = 0;
    // Changes the columns through `edit` and shows the result once; returns the edit's own answer.
    virtual bool EditFormat(const std::function<bool(ListFormat&)>& edit) = 0;
    // Replaces the whole format; a text that does not parse is refused (false) and the list keeps its own.
    virtual bool SetFormatText(std::string_view text) = 0;
    std::string FormatText() const { return Format().text(); }

    // The font as the list was given it: the name asked for ("Calibri"), whatever face the system shows
    // for it, its size in points and its character set.
    virtual std::string FontName() const = 0;
    virtual int FontSize() const = 0;
    virtual void SetFont(std::string_view name, int pointSize, int charset) = 0;

    virtual long GridColour() const = 0;
    virtual void SetGridColour(long colour) = 0;
    virtual long BarColour() const = 0; // the selection bar
    virtual void SetBarColour(long colour) = 0;
    virtual long SelectedTextColour() const = 0;
    virtual void SetSelectedTextColour(long colour) = 0;
    virtual long BackgroundColour() const = 0;
    virtual void SetBackgroundColour(long colour) = 0;
    virtual int LineHeight() const = 0; // row height
    virtual void SetLineHeight(int height) = 0;
    virtual int WheelStep() const = 0; // mouse-wheel sensitivity
    virtual void SetWheelStep(int step) = 0;
    virtual std::string Tip() const = 0;
    virtual void SetTip(std::string_view tip) = 0;

    // The icon list: entries 1 to 30, named by icon.
    static constexpr int kIconCount = 30;
    virtual std::string IconName(int index) const = 0;
    virtual void SetIconName(int index, std::string_view name) = 0;

    virtual void AddAlertKey(AlertKey key) = 0;
};

} // namespace kvilo::listformat
