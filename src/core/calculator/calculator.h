#pragma once
// The keypad calculator's logic, without widgets: three value fields (packs, pieces and the total), the
// selected one, the pending operator with its operand, a new-entry flag per field and every keypad key.
// The window shows the fields and passes the keys on; a key that is refused (false) makes it beep.
//
// An operation whose result cannot be shown (division by zero, or a number too long for a field) leaves an
// error text in the selected field instead of a number. The pending operator and its operand stay as they
// were, so typing a correct number and "=" finishes the calculation; "C" starts afresh. An error field reads
// as 0, and the result key refuses to close over it.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kvilo::calculator {

enum class CalcField { Packs, Pieces, Total };

enum class CalcError { None, DivisionByZero, Overflow };

// The texts an error shows in its field (1251).
extern const char* const kDivisionByZeroText;
extern const char* const kOverflowText;

class Calculator {
public:
    // `value` is the starting value: it shows in the total and is the result until the result key is pressed.
    // A pack size of 0 (or below) means no pack arithmetic: the total is then the only field.
    Calculator(std::string_view value, int32_t packSize, bool startInPacks);

    // Keypad keys by their captions: "0".."9", "00", ".", "+", "-", "x", "/", "=", "C", "<<", "+1", "-1",
    // "+/-". Returns false when the key was refused (an unknown caption, "<<" on a new entry, an entry
    // already 20 characters long, an operation that ended in an error).
    bool Press(std::string_view key);
    // Moves to another field; the pending operation is completed in the field being left first. Refused
    // when that fails, and for packs and pieces without a pack size.
    bool Choose(CalcField field);
    // Pasted text as a new entry of the selected field; refused unless it is a number of at most 20
    // characters (see PastedEntry).
    bool Paste(std::string_view text);
    // The result key: "=", then the total becomes the result. False, and nothing is taken, while the
    // selected field shows an error.
    bool Enter();

    const std::string& Text(CalcField field) const { return fields_[Index(field)]; }
    CalcField Selected() const { return selected_; }
    bool HasPacks() const { return packSize_ > 0; }
    int32_t PackSize() const { return packSize_; }
    char PendingOperator() const { return operator_; }
    const std::string& Operand() const { return operand_; }
    bool IsNewEntry(CalcField field) const { return newEntry_[Index(field)]; }
    CalcError Error() const { return error_; }
    // The starting value read as a number (0 when it is none).
    double StartValue() const { return start_; }
    // The starting value until Enter succeeds, then the total.
    double Result() const { return result_; }
    // True once anything was entered or chosen since opening or since the last "C": Esc then clears first.
    bool Touched() const { return touched_; }

private:
    static size_t Index(CalcField field) { return static_cast<size_t>(field); }
    std::string& Current() { return fields_[Index(selected_)]; }
    double Value(CalcField field) const;

    bool Digits(std::string_view digits);
    bool Point();
    bool Operator(char op);
    bool Equals();
    bool Clear();
    bool Erase();
    bool AddToValue(double amount);
    bool Negate();

    // Shows `text` in the selected field and brings the others in line with it.
    bool Display(std::string text);
    bool DisplayValue(double value);
    // Packs and pieces from the total, and the total from packs and pieces.
    bool SplitTotal();
    bool JoinTotal();
    // The pending operator applied to the selected field's value.
    bool Apply();
    bool Fail(CalcError error);

    std::array<std::string, 3> fields_{"0", "0", "0"};
    std::array<bool, 3> newEntry_{true, true, true};
    CalcField selected_ = CalcField::Total;
    int32_t packSize_ = 0;
    char operator_ = '=';
    std::string operand_ = "0";
    CalcError error_ = CalcError::None;
    double start_ = 0;
    double result_ = 0;
    bool touched_ = false;
};

} // namespace kvilo::calculator
