#include "gui/listformat/ask_color_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/cp1251.h"
#include "core/framework/error_manager.h"
#include "core/framework/qt_text.h"
#include "core/listformat/color_palette.h"
#include "gui/framework/program_font.h"
#include "gui/framework/window_placement_widget.h"
#include "gui/listcontrol/list_colours.h"
#include "kvilo_resources.h"

namespace kvilo::listformat {
namespace {

using namespace base::literals;
using framework::ToQString;

constexpr const char* kProcedure = "AskColor";
constexpr int kButtonsPerRow = 9;
constexpr int kFirstBlockEnd = 17; // 01-17 above the line, 18-35 below it

} // namespace

AskColorWindow::AskColorWindow(int index, QWidget* parent) : QDialog(parent) {
    InitKviloResources();
    setObjectName(kProcedure);
    setWindowTitle(ToQString("Выбор маркера"_ansi));
    setFont(framework::ProgramFont(framework::kWindowFontName));

    auto* prompt = new QLabel(ToQString("Выберите маркер"_ansi));
    auto* tabs = new QTabWidget;
    tabs->addTab(BuildPalette(), QIcon(":/icons/z_color.png"), ToQString(" Маркеры "_ansi));
    auto* cancel = new QPushButton(QIcon(":/icons/cancel.png"), ToQString(" Отменить"_ansi));
    cancel->setObjectName("cancelButton");
    cancel->setToolTip(ToQString("Отказаться от выбора маркера"_ansi));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(tabs);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    new framework::WindowPlacementKeeper(*this, kProcedure);
    if (index >= 1 && index <= kPaletteSize) buttons_[static_cast<size_t>(index)]->setFocus();
}

QWidget* AskColorWindow::BuildPalette() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setSpacing(3);
    for (int index = 0; index <= kPaletteSize; ++index) {
        // Block 1 holds "no colour" and 01-17 in rows 0-1; the line is row 2; block 2 (18-35) rows 3-4.
        const int place = index <= kFirstBlockEnd ? index : index - (kFirstBlockEnd + 1);
        const int row = (index <= kFirstBlockEnd ? 0 : 3) + place / kButtonsPerRow;
        grid->addWidget(BuildButton(index), row, place % kButtonsPerRow);
    }
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 2, 0, 1, kButtonsPerRow);
    return page;
}

QPushButton* AskColorWindow::BuildButton(int index) {
    auto* button = new QPushButton;
    button->setObjectName(QString::asprintf("colour%02d", index));
    button->setAutoDefault(false);
    button->setMinimumSize(36, 28);
    if (index == 0) {
        button->setIcon(QIcon(":/icons/cut.png"));
    } else {
        const long colour = PaletteColour(index);
        button->setText(QString::asprintf("%02d", index));
        // The caption reads on its colour as selected text reads on a selection bar of that colour.
        button->setStyleSheet(QString("QPushButton { background-color: %1; color: %2; border: 1px solid #808080; }"
                                      "QPushButton:focus { border: 2px solid #000000; }")
                                  .arg(listcontrol::ListColour(colour).name(),
                                       listcontrol::ListColour(SelectedTextColourOn(index)).name()));
    }
    connect(button, &QPushButton::clicked, this, [this, index] {
        chosen_ = index;
        accept();
    });
    buttons_[static_cast<size_t>(index)] = button;
    return button;
}

void AskColor(uint8_t& index, QWidget* parent) {
    framework::ProcedureScope procedure(kProcedure);
    AskColorWindow window(index, parent);
    if (window.exec() == QDialog::Accepted && window.Chosen() >= 0) index = static_cast<uint8_t>(window.Chosen());
}

} // namespace kvilo::listformat
