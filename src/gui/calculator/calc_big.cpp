#include "gui/calculator/calc_big.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "base/cp1251.h"
#include "core/calculator/calc_captions.h"
#include "core/calculator/calc_number.h"
#include "core/framework/error_manager.h"
#include "core/framework/qt_text.h"
#include "gui/framework/program_font.h"
#include "gui/framework/window_placement_widget.h"

namespace kvilo::calculator {
namespace {

using namespace base::literals;
using framework::FromQString;
using framework::ToQString;

// The selected field and its option: light yellow (0xC0FFFF as the system writes colours, blue first).
const QColor kSelectedColour(0xFF, 0xFF, 0xC0);

struct KeypadKey {
    const char* caption;
    int row;
    int column;
};

// The keypad in the window's order; the result and cancel buttons take the last column's lower two rows.
constexpr KeypadKey kKeypad[] = {
    {"7", 0, 0}, {"8", 0, 1}, {"9", 0, 2},   {"C", 0, 3}, {"<<", 0, 4}, {"+1", 0, 5}, {"4", 1, 0}, {"5", 1, 1},
    {"6", 1, 2}, {"x", 1, 3}, {"+/-", 1, 4}, {"/", 2, 4}, {"-1", 1, 5}, {"1", 2, 0},  {"2", 2, 1}, {"3", 2, 2},
    {"-", 2, 3}, {"0", 3, 0}, {"00", 3, 1},  {".", 3, 2}, {"+", 3, 3},  {"=", 3, 4},
};

QString KeyName(std::string_view caption) {
    return QStringLiteral("key ") + QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
}

// The keypad key a typed character stands for, or empty.
std::string_view KeyOfCharacter(QChar c) {
    static constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    if (c >= u'0' && c <= u'9') return kDigits[c.unicode() - u'0'];
    switch (c.unicode()) {
    case u'.':
    case u',':
        return ".";
    case u'+':
        return "+";
    case u'-':
        return "-";
    case u'*':
    case u'x':
    case u'X':
        return "x";
    case u'/':
        return "/";
    case u'=':
        return "=";
    }
    return {};
}

QFont LargeFont() {
    QFont font = framework::ProgramFont(framework::kWindowFontName, 14);
    font.setBold(true);
    return font;
}

// Keys go to the window, never to a button or a field: the keypad never takes the focus.
QPushButton* KeypadButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setMinimumSize(64, 48);
    button->setFont(LargeFont());
    return button;
}

void Tint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

double CalcBig(std::string_view caption, std::string_view goodsCode, std::string_view goodsName,
               std::string_view valueLabel, std::string_view value, int32_t packSize, bool startInPacks,
               QWidget* parent) {
    framework::ProcedureScope procedure(kCalcProcedure);
    if (!parent) parent = QApplication::activeWindow();
    CalcBigWindow window(caption, goodsCode, goodsName, valueLabel, value, packSize, startInPacks, parent);
    new framework::WindowPlacementKeeper(window, kCalcProcedure);
    window.exec();
    return window.Result();
}

CalcBigWindow::CalcBigWindow(std::string_view caption, std::string_view goodsCode, std::string_view goodsName,
                             std::string_view valueLabel, std::string_view value, int32_t packSize, bool startInPacks,
                             QWidget* parent)
    : QDialog(parent), engine_(value, packSize, startInPacks), masked_(MasksTotal(valueLabel, packSize)) {
    setObjectName(kCalcProcedure);
    setWindowTitle(ToQString(CalcTitle(caption)));
    setFont(framework::ProgramFont(framework::kWindowFontName, 10));

    auto* layout = new QVBoxLayout(this);
    if (ShowsGoodsLine(goodsName)) layout->addWidget(BuildGoodsLine(goodsCode, goodsName));
    layout->addWidget(BuildFields(valueLabel, packSize));
    layout->addWidget(BuildKeypad());
    layout->setSizeConstraint(QLayout::SetFixedSize); // the keypad has one size; the window follows it
    Refresh();
    layout->activate();
}

QWidget* CalcBigWindow::BuildGoodsLine(std::string_view goodsCode, std::string_view goodsName) {
    auto* line = new QWidget(this);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    goodsName_ = new QLabel(ToQString(goodsName), line);
    goodsCode_ = new QLineEdit(ToQString(GoodsCodeText(goodsCode)), line);
    goodsCode_->setReadOnly(true);
    goodsCode_->setFocusPolicy(Qt::NoFocus);
    goodsCode_->setMaxLength(static_cast<int>(kGoodsCodeLength));
    goodsCode_->setFixedWidth(goodsCode_->fontMetrics().horizontalAdvance(QString(kGoodsCodeLength, u'0')) + 12);
    row->addWidget(goodsName_, 1);
    row->addWidget(goodsCode_);
    return line;
}

QWidget* CalcBigWindow::BuildFields(std::string_view valueLabel, int32_t packSize) {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::string captions[] = {PacksCaption(packSize), kPiecesCaption, TotalCaption(valueLabel, packSize)};
    for (CalcField field : {CalcField::Packs, CalcField::Pieces, CalcField::Total}) {
        const size_t i = Index(field);
        options_[i] = new QRadioButton(ToQString(captions[i]), box);
        options_[i]->setFocusPolicy(Qt::NoFocus);
        options_[i]->setAutoFillBackground(true);
        connect(options_[i], &QRadioButton::clicked, this, [this, field] { Choose(field); });
        fields_[i] = new QLineEdit(box);
        fields_[i]->setReadOnly(true);
        fields_[i]->setFocusPolicy(Qt::NoFocus);
        fields_[i]->setAlignment(Qt::AlignRight);
        fields_[i]->setFont(LargeFont());
        fields_[i]->setMaxLength(static_cast<int>(kMaxFieldLength));
        grid->addWidget(options_[i], static_cast<int>(i), 0);
        grid->addWidget(fields_[i], static_cast<int>(i), 1);
        // Without a pack size the total is the only field; the window closes up around it.
        const bool shown = engine_.HasPacks() || field == CalcField::Total;
        options_[i]->setVisible(shown);
        fields_[i]->setVisible(shown);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* CalcBigWindow::BuildKeypad() {
    auto* keypad = new QWidget(this);
    auto* grid = new QGridLayout(keypad);
    grid->setContentsMargins(0, 0, 0, 0);
    for (const KeypadKey& key : kKeypad) {
        QPushButton* button = KeypadButton(QString::fromLatin1(key.caption), keypad);
        button->setObjectName(KeyName(key.caption));
        connect(button, &QPushButton::clicked, this, [this, caption = key.caption] { Press(caption); });
        grid->addWidget(button, key.row, key.column);
    }
    resultButton_ = KeypadButton(QString(), keypad);
    resultButton_->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    resultButton_->setIconSize(QSize(32, 32));
    resultButton_->setToolTip(ToQString("Получить результат [ENTER]"_ansi));
    connect(resultButton_, &QPushButton::clicked, this, &CalcBigWindow::TakeResult);
    cancelButton_ = KeypadButton(QString(), keypad);
    cancelButton_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    cancelButton_->setIconSize(QSize(32, 32));
    cancelButton_->setToolTip(ToQString("Отказаться от изменений"_ansi));
    connect(cancelButton_, &QPushButton::clicked, this, &CalcBigWindow::reject);
    grid->addWidget(resultButton_, 2, 5);
    grid->addWidget(cancelButton_, 3, 5);
    return keypad;
}

double CalcBigWindow::Result() const {
    return result() == QDialog::Accepted ? engine_.Result() : engine_.StartValue();
}

QPushButton* CalcBigWindow::Key(std::string_view caption) const {
    return findChild<QPushButton*>(KeyName(caption));
}

void CalcBigWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) return Paste();
    if (event->matches(QKeySequence::Copy)) return Copy();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TakeResult();
    case Qt::Key_Escape:
        return Escape();
    case Qt::Key_Backspace:
        return Press("<<");
    case Qt::Key_Delete:
        return Press("C");
    case Qt::Key_F9:
        return Press("+/-");
    case Qt::Key_Up:
        return ChooseNext(-1);
    case Qt::Key_Down:
        return ChooseNext(1);
    }
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString text = event->text();
    if (!command && text.size() == 1) {
        std::string_view key = KeyOfCharacter(text[0]);
        if (!key.empty()) return Press(key);
    }
    QDialog::keyPressEvent(event);
}

void CalcBigWindow::Press(std::string_view key) {
    if (!engine_.Press(key)) Refused();
    Refresh();
}

void CalcBigWindow::Choose(CalcField field) {
    if (!engine_.Choose(field)) Refused();
    Refresh();
}

void CalcBigWindow::ChooseNext(int step) {
    const int next = static_cast<int>(Index(engine_.Selected())) + step;
    if (!engine_.HasPacks() || next < 0 || next > static_cast<int>(Index(CalcField::Total))) return Refused();
    Choose(static_cast<CalcField>(next));
}

void CalcBigWindow::TakeResult() {
    const bool taken = engine_.Enter();
    Refresh();
    if (taken)
        accept();
    else
        Refused();
}

void CalcBigWindow::Escape() {
    if (engine_.Touched())
        Press("C");
    else
        reject();
}

void CalcBigWindow::Paste() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || !engine_.Paste(FromQString(clipboard->text()))) Refused();
    Refresh();
}

void CalcBigWindow::Copy() const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (masked_ || engine_.Error() != CalcError::None || !clipboard) return Refused();
    clipboard->setText(ToQString(engine_.Text(engine_.Selected())));
}

void CalcBigWindow::Refused() const {
    QApplication::beep();
}

void CalcBigWindow::Refresh() {
    for (CalcField field : {CalcField::Packs, CalcField::Pieces, CalcField::Total}) {
        const size_t i = Index(field);
        const bool selected = field == engine_.Selected();
        fields_[i]->setText(ToQString(engine_.Text(field)));
        Tint(fields_[i], QPalette::Base, selected ? kSelectedColour : QColor(Qt::white));
        Tint(options_[i], options_[i]->backgroundRole(),
             selected ? kSelectedColour : palette().color(options_[i]->backgroundRole()));
        options_[i]->setChecked(selected);
    }
    // An error message is no secret: it shows even in a masked entry.
    const bool hidden = masked_ && engine_.Error() == CalcError::None;
    fields_[Index(CalcField::Total)]->setEchoMode(hidden ? QLineEdit::Password : QLineEdit::Normal);
}

} // namespace kvilo::calculator
