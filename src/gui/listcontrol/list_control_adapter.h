#pragma once
// The list column model (listformat::ListControl) over the Qt list control, so that the list-format
// operations (the applier, the settings dialog) work on a real list. The alert keys of the model become key
// combinations of the list: the numeric keypad's, and for keyboards without one the main keyboard's minus,
// plus and equals keys.
#include <QKeyCombination>
#include <optional>

#include "core/listformat/list_control.h"
#include "gui/listcontrol/format_list.h"

namespace kvilo::listcontrol {

class FormatListControl : public listformat::ListControl {
public:
    explicit FormatListControl(FormatList& list) : list_(list) {}

    // The list, and through it the window that owns it.
    FormatList& List() const { return list_; }

    const listformat::ListFormat& Format() const override { return list_.format(); }
    bool EditFormat(const std::function<bool(listformat::ListFormat&)>& edit) override;
    bool SetFormatText(std::string_view text) override { return list_.setFormatText(text); }

    std::string FontName() const override { return list_.fontName(); }
    int FontSize() const override { return list_.fontSize(); }
    void SetFont(std::string_view name, int pointSize, int charset) override;

    long GridColour() const override { return list_.gridColour(); }
    void SetGridColour(long colour) override { list_.setGridColour(colour); }
    long BarColour() const override { return list_.barColour(); }
    void SetBarColour(long colour) override { list_.setBarColour(colour); }
    long SelectedTextColour() const override { return list_.selectedTextColour(); }
    void SetSelectedTextColour(long colour) override { list_.setSelectedTextColour(colour); }
    long BackgroundColour() const override { return list_.backgroundColour(); }
    void SetBackgroundColour(long colour) override { list_.setBackgroundColour(colour); }
    int LineHeight() const override { return list_.lineHeight(); }
    void SetLineHeight(int height) override { list_.setLineHeight(height); }
    int WheelStep() const override { return list_.wheelStep(); }
    void SetWheelStep(int step) override { list_.setWheelStep(step); }
    std::string Tip() const override { return list_.tip(); }
    void SetTip(std::string_view tip) override { list_.setTip(tip); }

    std::string IconName(int index) const override { return list_.iconName(index); }
    void SetIconName(int index, std::string_view name) override { list_.setIconName(index, name); }

    void AddAlertKey(listformat::AlertKey key) override;

private:
    FormatList& list_;
};

// The model's alert key behind a key combination that the list delivered; none for other keys.
std::optional<listformat::AlertKey> AlertKeyOf(QKeyCombination key);

} // namespace kvilo::listcontrol
