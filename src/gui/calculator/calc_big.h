#pragma once
// CalcBig: the modal keypad calculator ("Калькулятор") that returns a number to its caller. The list
// settings dialog opens it for a row height, a font size or a wheel step; it also knows goods quantities in
// packs and pieces and masked entry of a password or an exchange key.
//
// Keyboard: the digits, "." and "," (the point), "+", "-", "*" or "x", "/", "=" work as their keypad keys;
// Backspace is "<<", Delete is "C", F9 is "+/-"; Enter (either key) is the result button; Esc clears as "C"
// when anything was entered since opening or since the last "C", and otherwise cancels. Up and Down move
// between packs, pieces and total. Ctrl+V (Shift+Insert) pastes a number as a new entry, Ctrl+C
// (Ctrl+Insert) copies the selected field unless the entry is masked. A refused key beeps.
#include <QDialog>
#include <array>
#include <cstdint>
#include <string_view>

#include "core/calculator/calculator.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kvilo::calculator {

// Opens the calculator over `parent` (the active window when null) and returns when the user closes it.
//   caption      window title; blank keeps "Калькулятор"
//   goodsCode    shown (20 characters) beside the goods name; used only with a goods name
//   goodsName    when not blank, a goods line shows above the keypad
//   valueLabel   caption of the total without a pack size (blank gives "Сумма"); "Пароль на вход" and
//                "Ключ обмена" mask the entry
//   value        the starting value as text ("12", "7.5"); a text that is no number starts at 0
//   packSize     pieces per pack; 0 = no packs and pieces
//   startInPacks with a pack size, the packs field is selected first
// Returns the total when the result button (Enter) was pressed, otherwise the starting value read as a
// number. Texts are 1251. While it is open "CalcBig" is on the procedure-name stack; its position is kept
// under "CalcBig". A test finds the open window as QApplication::activeModalWidget() (object name "CalcBig").
double CalcBig(std::string_view caption, std::string_view goodsCode, std::string_view goodsName,
               std::string_view valueLabel, std::string_view value, int32_t packSize, bool startInPacks,
               QWidget* parent = nullptr);

// The calculator's window. CalcBig runs it; tests make it directly and read its controls back.
class CalcBigWindow : public QDialog {
    Q_OBJECT

public:
    CalcBigWindow(std::string_view caption, std::string_view goodsCode, std::string_view goodsName,
                  std::string_view valueLabel, std::string_view value, int32_t packSize, bool startInPacks,
                  QWidget* parent = nullptr);

    // The value CalcBig returns for the way the window was closed.
    double Result() const;
    const Calculator& Engine() const { return engine_; }

    QLineEdit* Field(CalcField field) const { return fields_[Index(field)]; }
    QRadioButton* Option(CalcField field) const { return options_[Index(field)]; }
    // The keypad button with this caption ("7", "+/-", "<<", ...), nullptr when there is none.
    QPushButton* Key(std::string_view caption) const;
    QPushButton* ResultButton() const { return resultButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    QLabel* GoodsName() const { return goodsName_; }
    QLineEdit* GoodsCode() const { return goodsCode_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static size_t Index(CalcField field) { return static_cast<size_t>(field); }

    QWidget* BuildGoodsLine(std::string_view goodsCode, std::string_view goodsName);
    QWidget* BuildFields(std::string_view valueLabel, int32_t packSize);
    QWidget* BuildKeypad();

    void Press(std::string_view key);
    void Choose(CalcField field);
    void ChooseNext(int step);
    void TakeResult();
    void Escape();
    void Paste();
    void Copy() const;
    void Refused() const;
    // Shows the engine's fields, the selected one in light yellow.
    void Refresh();

    Calculator engine_;
    bool masked_ = false;
    std::array<QLineEdit*, 3> fields_{};
    std::array<QRadioButton*, 3> options_{};
    QPushButton* resultButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* goodsName_ = nullptr;
    QLineEdit* goodsCode_ = nullptr;
};

} // namespace kvilo::calculator
