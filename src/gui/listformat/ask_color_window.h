#pragma once
// AskColor, the colour chooser: a small modal window with the 35 colours of the palette (and "no colour")
// as buttons. The caller turns the chosen palette index into a colour with PaletteColour
// (core/listformat/color_palette.h).
#include <QDialog>
#include <array>
#include <cstdint>

class QPushButton;

namespace kvilo::listformat {

class AskColorWindow : public QDialog {
public:
    // `index` is the palette index the window opens on: its button has the focus when it is 1 to 35.
    explicit AskColorWindow(int index, QWidget* parent = nullptr);

    // The index chosen (0 = no colour, 1-35), or -1 while none was.
    int Chosen() const { return chosen_; }
    // The button of palette index 0 to 35.
    QPushButton* ColourButton(int index) const { return buttons_[static_cast<size_t>(index)]; }

private:
    QWidget* BuildPalette();
    QPushButton* BuildButton(int index);

    std::array<QPushButton*, 36> buttons_{};
    int chosen_ = -1;
};

// Opens the chooser modally over `parent` on the index in `index`. On return `index` holds the index the
// user pressed (0 to 35), or is unchanged when the user cancelled or closed the window.
void AskColor(uint8_t& index, QWidget* parent = nullptr);

} // namespace kvilo::listformat
