#pragma once
// A list control without widgets for the list-format operations: the column model over a bare ListFormat,
// the appearance as plain values, and a count of every write so that tests see what was written.
#include <map>
#include <string>
#include <vector>

#include "core/listformat/list_control.h"

namespace kvilo::testing {

class FakeListControl : public listformat::ListControl {
public:
    explicit FakeListControl(std::string_view format) { format_.setText(format); }

    const listformat::ListFormat& Format() const override { return format_; }
    bool EditFormat(const std::function<bool(listformat::ListFormat&)>& edit) override { return edit(format_); }
    bool SetFormatText(std::string_view text) override { return format_.setText(text); }

    std::string FontName() const override { return fontName; }
    int FontSize() const override { return fontSize; }
    void SetFont(std::string_view name, int size, int set) override {
        fontName.assign(name);
        fontSize = size;
        charset = set;
        ++writes["font"];
    }
    long GridColour() const override { return grid; }
    void SetGridColour(long colour) override { grid = colour, ++writes["grid"]; }
    long BarColour() const override { return bar; }
    void SetBarColour(long colour) override { bar = colour, ++writes["bar"]; }
    long SelectedTextColour() const override { return selectedText; }
    void SetSelectedTextColour(long colour) override { selectedText = colour, ++writes["selectedText"]; }
    long BackgroundColour() const override { return background; }
    void SetBackgroundColour(long colour) override { background = colour, ++writes["background"]; }
    int LineHeight() const override { return lineHeight; }
    void SetLineHeight(int height) override { lineHeight = height, ++writes["lineHeight"]; }
    int WheelStep() const override { return wheel; }
    void SetWheelStep(int step) override { wheel = step, ++writes["wheel"]; }
    std::string Tip() const override { return tip; }
    void SetTip(std::string_view text) override { tip.assign(text); }
    std::string IconName(int index) const override {
        const auto found = icons.find(index);
        return found == icons.end() ? std::string() : found->second;
    }
    void SetIconName(int index, std::string_view name) override {
        icons[index].assign(name);
        ++writes["icon"];
    }
    void AddAlertKey(listformat::AlertKey key) override { alertKeys.push_back(key); }

    std::string fontName;
    int fontSize = 0;
    int charset = 0;
    long grid = -1;
    long bar = -1;
    long selectedText = -1;
    long background = -1;
    int lineHeight = 0;
    int wheel = 0;
    std::string tip;
    std::map<int, std::string> icons;
    std::vector<listformat::AlertKey> alertKeys;
    std::map<std::string, int> writes;

private:
    listformat::ListFormat format_;
};

} // namespace kvilo::testing
