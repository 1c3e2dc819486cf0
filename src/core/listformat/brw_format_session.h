#pragma once
// One opening of the list settings dialog SetBrwFormat, without its widgets: what the dialog remembers at
// opening, the column entries in BFormat, the view variant and search mask, the appearance values as the
// user typed them, and every operation, each applied to the owner's list at once. Accept (" Да") keeps
// the list as it is and hands the appearance to the settings record; closing without it (" Нет") gives
// the list back its format and appearance exactly as they were at opening. No store is written: the owner
// window stores its list when it closes (ApplyBrwFormat).
#include <string>
#include <string_view>
#include <vector>

#include "core/listformat/bformat.h"
#include "core/listformat/brw_settings.h"
#include "core/listformat/entry_filter.h"

namespace kvilo::listformat {

// The appearance values that the calculator can fill in, with the range each accepts and the value that
// replaces anything outside it.
enum class CalculatorSetting { LineHeight, FontSize, Wheel };
// The calculator's number as a setting: a whole number within the setting's range (a fraction is cut
// off), otherwise the default: row height 6-40 else 9, font size 8-40 else 11, wheel 1-255 else 40.
int SettingFromCalculator(CalculatorSetting setting, double value);

// The list font code of a font name: "CALIBRI" 2, "TAHOMA" 3, "VERDANA" 4, "ARIAL" 5, anything else 1.
int FontCodeOfName(std::string_view fontName);

// The dialog's title for an owner window titled `ownerTitle` (1251): "Изменить настройки списка в окне «",
// its first 50 characters without blanks around them, "» ?".
std::string SetBrwFormatTitle(std::string_view ownerTitle);

class BrwFormatSession {
public:
    // Opening: remembers the owner's format, loads the column entries (`windowColour` is the window
    // background, for naming choice columns) and reads the appearance from the list. A record that names no
    // list gives a session that does nothing.
    BrwFormatSession(BrwSettings& settings, long windowColour, BFormatTable& table = BFormat());
    // Closes as " Нет" unless the session was accepted or closed.
    ~BrwFormatSession();
    BrwFormatSession(const BrwFormatSession&) = delete;
    BrwFormatSession& operator=(const BrwFormatSession&) = delete;

    bool Groups() const { return groups_; }
    // The entry the entry list starts on for the list's clicked column (from 1, 0 = none): that one when
    // it exists, else 1; 0 without entries.
    int StartEntry(int clickedColumn) const;

    // The entries shown for the variant and the mask, in number order, and any entry by number.
    std::vector<const BFormatEntry*> ShownEntries() const;
    const BFormatEntry* Entry(int number) const;
    int EntryCount() const { return static_cast<int>(table_.Size()); }

    int Variant() const { return variant_; }
    void SetVariant(int variant);
    // The search text as accepted from the search field; sets or clears the mask (SearchMask).
    void SetSearchText(std::string_view text);
    const std::string& Mask() const { return mask_; }
    // Moves are offered only while every entry is shown in its place: variant 1 and no search.
    bool MovesShown() const { return variant_ == kVariantAll && mask_.empty(); }

    // The column operations on the entry numbered `column`; false (or 0) when they did not apply.
    bool Narrow(int column);
    bool Widen(int column);
    bool HideShow(int column);
    bool TypeWidth(int column, std::string_view text);
    int Move(int column, int direction); // the entry's new number
    bool ToggleFixed(int column);
    bool SetHeaderColour(int column, long colour);
    // " По умолчанию": the designed format with the list's own pictures and header texts, the designed
    // widths as the new reference, the appearance off and at its defaults.
    bool Reset();
    // Zoom out (-1) or in (+1): the visible columns but markers by 5 (resizable) or 1, row height and font
    // size by 1, within 8-40; switches the appearance settings on first.
    bool Zoom(int direction);

    // The dialog's appearance values as typed (they may be out of range: such values are applied as their
    // defaults but stay as typed).
    ListAppearance& Appearance() { return appearance_; }
    const ListAppearance& Appearance() const { return appearance_; }
    void ApplyAppearance();
    void ToggleSetup();

    // " Да": the columns lose their tints, the settings record takes the appearance.
    void Accept();
    // Ends the session: unless accepted, the list's format and appearance as at opening; BFormat emptied.
    void Close();
    bool Accepted() const { return accepted_; }

private:
    ListControl* list() const { return settings_.list; }

    BrwSettings& settings_;
    BFormatTable& table_;
    long windowColour_;
    ListFormat openingFormat_;
    ListAppearance openingAppearance_;
    ListAppearance appearance_;
    int variant_ = kVariantAll;
    std::string mask_;
    bool groups_ = false;
    bool accepted_ = false;
    bool closed_ = false;
};

} // namespace kvilo::listformat
