#pragma once
// The list settings dialog's second tab, " &2. Оформление ": the setup button and the list's appearance
// (row height, font size, grid and selection colours, wheel step, font), each applied to the owner's list as
// soon as it is typed or chosen. The calculator buttons open CalcBig on the field's value.
#include <QWidget>
#include <array>

#include "core/listformat/brw_format_session.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kvilo::listformat {

class AppearancePage : public QWidget {
public:
    explicit AppearancePage(BrwFormatSession& session, QWidget* parent = nullptr);

    // Shows the session's values again (after a reset or a zoom changed them).
    void ShowValues();

    QPushButton* SetupButton() const { return setup_; }
    QLineEdit* LineHeightField() const { return lineHeight_; }
    QLineEdit* FontSizeField() const { return fontSize_; }
    QLineEdit* WheelField() const { return wheel_; }
    QLineEdit* GridField() const { return grid_; }
    QLineEdit* BarField() const { return bar_; }
    QLabel* GridSample() const { return gridSample_; }
    QLabel* BarSample() const { return barSample_; }
    // The calculator button beside a field: the row height's, the font size's or the wheel's.
    QPushButton* CalculatorButton(CalculatorSetting setting) const;
    QRadioButton* FontChoice(int fontCode) const { return fonts_[static_cast<size_t>(fontCode - 1)]; }

private:
    QLineEdit* NumberField(int digits, int ListAppearance::*value);
    QPushButton* CalcButton(CalculatorSetting setting, QLineEdit* field, int ListAppearance::*value);
    QWidget* ColourRow(QLineEdit*& field, QLabel*& sample, int ListAppearance::*value, const char* name);
    QWidget* BuildFonts();
    void Applied();
    void ShowSetup();
    void ShowSample(QLabel* sample, int index) const;

    BrwFormatSession& session_;
    QPushButton* setup_ = nullptr;
    QLineEdit* lineHeight_ = nullptr;
    QLineEdit* fontSize_ = nullptr;
    QLineEdit* wheel_ = nullptr;
    QLineEdit* grid_ = nullptr;
    QLineEdit* bar_ = nullptr;
    QLabel* gridSample_ = nullptr;
    QLabel* barSample_ = nullptr;
    std::array<QPushButton*, 3> calculators_{};
    std::array<QRadioButton*, 5> fonts_{};
    QWidget* settings_ = nullptr; // everything the setup flag enables
};

} // namespace kvilo::listformat
