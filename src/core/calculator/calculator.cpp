#include "core/calculator/calculator.h"

#include <algorithm>
#include <cmath>

#include "base/cp1251.h"
#include "core/calculator/calc_number.h"

namespace kvilo::calculator {

using namespace base::literals;

const char* const kDivisionByZeroText = "Деление на ноль"_ansi;
const char* const kOverflowText = "Переполнение"_ansi;

Calculator::Calculator(std::string_view value, int32_t packSize, bool startInPacks)
    : packSize_(std::max<int32_t>(packSize, 0)) {
    start_ = ReadNumber(value).value_or(0);
    result_ = start_;
    // The starting value shows as given (only tidied) as long as it fits the field.
    std::optional<std::string> shown = NumberEntry(value);
    if (!shown || shown->size() > kMaxFieldLength) shown = FormatNumber(start_);
    if (shown)
        Display(*shown);
    else
        Fail(CalcError::Overflow);
    if (startInPacks && HasPacks()) selected_ = CalcField::Packs;
}

bool Calculator::Press(std::string_view key) {
    bool done = false;
    if (key == "C") return Clear();
    if (key == "00" || (key.size() == 1 && key[0] >= '0' && key[0] <= '9'))
        done = Digits(key);
    else if (key == ".")
        done = Point();
    else if (key == "+" || key == "-" || key == "/")
        done = Operator(key[0]);
    else if (key == "x")
        done = Operator('*');
    else if (key == "=")
        done = Equals();
    else if (key == "<<")
        done = Erase();
    else if (key == "+1")
        done = AddToValue(1);
    else if (key == "-1")
        done = AddToValue(-1);
    else if (key == "+/-")
        done = Negate();
    touched_ = touched_ || done;
    return done;
}

bool Calculator::Choose(CalcField field) {
    if (field == selected_) return true;
    if (field != CalcField::Total && !HasPacks()) return false;
    if (!Apply()) return false;
    selected_ = field;
    newEntry_.fill(true);
    touched_ = true;
    // Packs are always shown whole from the total, so that "1.5" packs typed before come back as 1 and 6.
    if (field == CalcField::Packs) return SplitTotal();
    return true;
}

bool Calculator::Paste(std::string_view text) {
    std::optional<std::string> entry = PastedEntry(text);
    if (!entry) return false;
    newEntry_[Index(selected_)] = false;
    touched_ = true;
    return Display(*entry);
}

bool Calculator::Enter() {
    if (error_ != CalcError::None || !Equals()) return false;
    result_ = Value(CalcField::Total);
    return true;
}

double Calculator::Value(CalcField field) const {
    return ReadNumber(Text(field)).value_or(0);
}

bool Calculator::Digits(std::string_view digits) {
    bool done = false;
    for (char digit : digits) {
        std::string text;
        if (newEntry_[Index(selected_)]) {
            newEntry_[Index(selected_)] = false;
            text = digit;
        } else if (Current().size() < kMaxEntryLength) {
            text = Current() == "0" ? std::string(1, digit) : Current() + digit;
        } else {
            return done;
        }
        done = Display(text);
    }
    return done;
}

bool Calculator::Point() {
    std::string text;
    if (newEntry_[Index(selected_)]) {
        newEntry_[Index(selected_)] = false;
        text = "0.";
    } else if (Current().find('.') == std::string::npos && Current().size() < kMaxEntryLength) {
        text = Current() + '.';
    } else {
        return false;
    }
    return Display(text);
}

bool Calculator::Operator(char op) {
    // With "=" pending this only tidies the entry ("5." becomes "5", an error 0).
    if (!Apply()) return false;
    operator_ = op;
    operand_ = Current();
    newEntry_[Index(selected_)] = true;
    return true;
}

bool Calculator::Equals() {
    const bool done = Apply();
    newEntry_[Index(selected_)] = true;
    return done;
}

bool Calculator::Clear() {
    operator_ = '=';
    operand_ = "0";
    Display("0");
    touched_ = false;
    return Equals();
}

bool Calculator::Erase() {
    if (newEntry_[Index(selected_)]) return false;
    std::string text = Current();
    if (text.size() > 1)
        text.pop_back();
    else
        text = "0";
    if (text == "-") text = "0";
    return Display(text);
}

bool Calculator::AddToValue(double amount) {
    return DisplayValue(Value(selected_) + amount);
}

bool Calculator::Negate() {
    // The sign is changed on the text, so that a long entry keeps every digit typed.
    std::string text = error_ == CalcError::None ? Current() : "0";
    if (text[0] == '-') {
        text.erase(0, 1);
    } else if (Value(selected_) != 0) {
        if (text.size() >= kMaxFieldLength) return Fail(CalcError::Overflow);
        text.insert(0, "-");
    }
    return Display(text);
}

bool Calculator::Display(std::string text) {
    Current() = std::move(text);
    error_ = CalcError::None;
    if (!HasPacks()) return true;
    return selected_ == CalcField::Total ? SplitTotal() : JoinTotal();
}

bool Calculator::DisplayValue(double value) {
    std::optional<std::string> text = FormatNumber(value);
    if (!text) return Fail(CalcError::Overflow);
    return Display(*text);
}

bool Calculator::SplitTotal() {
    const double total = Value(CalcField::Total);
    std::optional<std::string> packs = FormatNumber(std::trunc(total / packSize_));
    std::optional<std::string> pieces = FormatNumber(std::trunc(std::fmod(total, packSize_)));
    if (!packs || !pieces) return Fail(CalcError::Overflow);
    fields_[Index(CalcField::Packs)] = *packs;
    fields_[Index(CalcField::Pieces)] = *pieces;
    return true;
}

bool Calculator::JoinTotal() {
    std::optional<std::string> total = FormatNumber(Value(CalcField::Packs) * packSize_ + Value(CalcField::Pieces));
    if (!total) return Fail(CalcError::Overflow);
    fields_[Index(CalcField::Total)] = *total;
    return true;
}

bool Calculator::Apply() {
    if (operator_ == '=') {
        // "=" leaves the value. The entry keeps its digits (a 64-bit real would round a 20-digit one);
        // only its form is tidied, and an error gives way to 0.
        return Display(error_ == CalcError::None ? NumberEntry(Current()).value_or("0") : "0");
    }
    const double v = Value(selected_);
    const double o = ReadNumber(operand_).value_or(0);
    double result = v;
    switch (operator_) {
    case '+':
        result = o + v;
        break;
    case '-':
        result = o - v;
        break;
    case '*':
        result = o * v;
        break;
    case '/':
        if (v == 0) return Fail(CalcError::DivisionByZero);
        result = o / v;
        break;
    }
    if (!DisplayValue(result)) return false;
    operator_ = '=';
    operand_ = "0";
    return true;
}

bool Calculator::Fail(CalcError error) {
    error_ = error;
    Current() = error == CalcError::DivisionByZero ? kDivisionByZeroText : kOverflowText;
    newEntry_[Index(selected_)] = true;
    return false;
}

} // namespace kvilo::calculator
