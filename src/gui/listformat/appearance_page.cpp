#include "gui/listformat/appearance_page.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "base/cp1251.h"
#include "core/framework/qt_text.h"
#include "core/listformat/brw_settings.h"
#include "core/listformat/color_palette.h"
#include "gui/calculator/calc_big.h"
#include "gui/listcontrol/list_colours.h"
#include "gui/listformat/ask_color_window.h"

namespace kvilo::listformat {
namespace {

using namespace base::literals;
using framework::ToQString;

constexpr int kSampleSize = 22;
constexpr int kFontCount = 5;

size_t Index(CalculatorSetting setting) {
    return static_cast<size_t>(setting);
}

const char* CalculatorLabel(CalculatorSetting setting) {
    switch (setting) {
    case CalculatorSetting::LineHeight:
        return "Высота"_ansi;
    case CalculatorSetting::FontSize:
        return "Размер"_ansi;
    case CalculatorSetting::Wheel:
        return "Прокрутка"_ansi;
    }
    return "";
}

QLabel* Label(const char* text) {
    return new QLabel(ToQString(text));
}

// A field and the buttons beside it on one line.
QWidget* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return row;
}

} // namespace

AppearancePage::AppearancePage(BrwFormatSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    setup_ = new QPushButton;
    setup_->setObjectName("setupButton");
    setup_->setAutoDefault(false);
    connect(setup_, &QPushButton::clicked, this, [this] {
        session_.ToggleSetup();
        ShowSetup();
    });

    lineHeight_ = NumberField(2, &ListAppearance::lineHeight);
    lineHeight_->setObjectName("lineHeightField");
    lineHeight_->setToolTip(ToQString("Укажите высоту строк в списке"_ansi));
    fontSize_ = NumberField(2, &ListAppearance::fontSize);
    fontSize_->setObjectName("fontSizeField");
    wheel_ = NumberField(3, &ListAppearance::wheelScroll);
    wheel_->setObjectName("wheelField");
    wheel_->setToolTip(ToQString("Чувствительность колёсика мышки (3 строки = 40, 1 строка = 200 и т.д.)"_ansi));

    settings_ = new QWidget;
    auto* form = new QFormLayout(settings_);
    form->addRow(
        Label("Высота строк в списке (8 - 40)"_ansi),
        Row({lineHeight_, CalcButton(CalculatorSetting::LineHeight, lineHeight_, &ListAppearance::lineHeight)}));
    form->addRow(Label("Размер шрифта в списке (8 - 40)"_ansi),
                 Row({fontSize_, CalcButton(CalculatorSetting::FontSize, fontSize_, &ListAppearance::fontSize)}));
    QWidget* gridRow = ColourRow(grid_, gridSample_, &ListAppearance::gridColour, "grid");
    gridRow->setToolTip(ToQString("Укажите цвет сетки для списка"_ansi));
    form->addRow(Label("Цвет сетки для списка"_ansi), gridRow);
    form->addRow(Label("Цвет засветки для списка"_ansi),
                 ColourRow(bar_, barSample_, &ListAppearance::barColour, "bar"));
    form->addRow(Label("Чувствительность колёсика мышки"_ansi),
                 Row({wheel_, CalcButton(CalculatorSetting::Wheel, wheel_, &ListAppearance::wheelScroll)}));
    form->addRow(BuildFonts());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(setup_, 0, Qt::AlignLeft);
    layout->addWidget(settings_);
    layout->addStretch();
    ShowValues();
}

QPushButton* AppearancePage::CalculatorButton(CalculatorSetting setting) const {
    return calculators_[Index(setting)];
}

// A field of digits only; what is typed is applied at once, even out of range (the list then gets the
// default, and the field keeps what was typed).
QLineEdit* AppearancePage::NumberField(int digits, int ListAppearance::*value) {
    auto* field = new QLineEdit;
    field->setMaxLength(digits);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
    field->setFixedWidth(fontMetrics().horizontalAdvance(QString(digits + 2, '0')) + 12);
    connect(field, &QLineEdit::textEdited, this, [this, value](const QString& text) {
        session_.Appearance().*value = text.toInt();
        Applied();
    });
    return field;
}

QPushButton* AppearancePage::CalcButton(CalculatorSetting setting, QLineEdit* field, int ListAppearance::*value) {
    auto* button = new QPushButton(QIcon(":/icons/calculator.png"), QString());
    button->setObjectName(QString("calculatorButton%1").arg(Index(setting)));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, setting, field, value] {
        const std::string current = framework::FromQString(field->text());
        const double result = calculator::CalcBig("", "", "", CalculatorLabel(setting), current, 0, false, window());
        session_.Appearance().*value = SettingFromCalculator(setting, result);
        field->setText(QString::number(session_.Appearance().*value));
        Applied();
    });
    calculators_[Index(setting)] = button;
    return button;
}

QWidget* AppearancePage::ColourRow(QLineEdit*& field, QLabel*& sample, int ListAppearance::*value, const char* name) {
    field = NumberField(2, value);
    field->setObjectName(QString(name) + "Field");
    sample = new QLabel;
    sample->setObjectName(QString(name) + "Sample");
    sample->setFixedSize(kSampleSize, kSampleSize);
    auto* palette = new QPushButton(QIcon(":/icons/z_color.png"), QString());
    palette->setObjectName(QString(name) + "PaletteButton");
    palette->setToolTip(ToQString("Палитра для выбора цвета"_ansi));
    palette->setAutoDefault(false);
    connect(palette, &QPushButton::clicked, this, [this, field, value] {
        const int current = session_.Appearance().*value;
        uint8_t index = current >= 0 && current <= kPaletteSize ? static_cast<uint8_t>(current) : 0;
        AskColor(index, window());
        session_.Appearance().*value = index;
        field->setText(QString::number(index));
        Applied();
    });
    return Row({field, sample, palette});
}

QWidget* AppearancePage::BuildFonts() {
    auto* box = new QGroupBox(ToQString("ШРИФТ"_ansi));
    auto* layout = new QHBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int code = 1; code <= kFontCount; ++code) {
        auto* choice = new QRadioButton(ToQString(ListFontName(code)));
        choice->setObjectName(QString("font%1").arg(code));
        group->addButton(choice, code);
        layout->addWidget(choice);
        fonts_[static_cast<size_t>(code - 1)] = choice;
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int code) {
        session_.Appearance().fontCode = code;
        Applied();
    });
    return box;
}

void AppearancePage::ShowValues() {
    const ListAppearance& a = session_.Appearance();
    lineHeight_->setText(QString::number(a.lineHeight));
    fontSize_->setText(QString::number(a.fontSize));
    wheel_->setText(QString::number(a.wheelScroll));
    grid_->setText(QString::number(a.gridColour));
    bar_->setText(QString::number(a.barColour));
    for (int code = 1; code <= kFontCount; ++code)
        FontChoice(code)->setChecked(code == a.fontCode);
    ShowSample(gridSample_, a.gridColour);
    ShowSample(barSample_, a.barColour);
    ShowSetup();
}

void AppearancePage::Applied() {
    session_.ApplyAppearance();
    ShowSample(gridSample_, session_.Appearance().gridColour);
    ShowSample(barSample_, session_.Appearance().barColour);
}

void AppearancePage::ShowSetup() {
    const bool on = session_.Appearance().setup == 1;
    setup_->setIcon(QIcon(on ? ":/icons/enable.png" : ":/icons/disable.png"));
    setup_->setText(ToQString(on ? " Выключить дополнительные настройки оформления"_ansi
                                 : " Включить дополнительные настройки оформления"_ansi));
    settings_->setEnabled(on);
}

// The palette colour of the index in a grey frame; index 0 (no colour of its own) shows the window's colour.
void AppearancePage::ShowSample(QLabel* sample, int index) const {
    const long colour = PaletteColour(index);
    const QString fill = colour < 0 ? QString("transparent") : listcontrol::ListColour(colour).name();
    sample->setStyleSheet(QString("background-color: %1; border: 1px solid #808080;").arg(fill));
    sample->setVisible(true);
}

} // namespace kvilo::listformat
