#pragma once
// Three result rows of the main list, fields in the order of the designed format (name, INN, KPP, OGRN,
// legal form, address, three dates, status, manager, post, branch count and type, OKVED, OKPO, latitude,
// longitude), and a longer plain list for scrolling.
#include <vector>

#include "base/cp1251.h"
#include "base/dates.h"
#include "gui/listcontrol/row_source.h"

namespace kvilo::testing {

using namespace base::literals;
using base::Variant;

class TableRows : public listcontrol::RowSource {
public:
    explicit TableRows(std::vector<std::vector<Variant>> rows) : rows_(std::move(rows)) {}
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    Variant field(int row, int field) const override {
        const auto& r = rows_.at(static_cast<std::size_t>(row));
        return field >= 1 && field <= static_cast<int>(r.size()) ? r[field - 1] : Variant("");
    }
    int iconIndex(int row, int field) const override { return icons_ && field == 5 && row == 0 ? 1 : 0; }
    void showIcons(bool on) { icons_ = on; }
    // Row 2 (from 0) marked in pink, as a row source marks a row by its state.
    listformat::Colours cellColours(int row, int) const override {
        return marked_ && row == 2 ? listformat::Colours{0, 0xCBC0FF, -1, -1} : listformat::Colours{};
    }
    void markRow(bool on) { marked_ = on; }

private:
    std::vector<std::vector<Variant>> rows_;
    bool icons_ = false;
    bool marked_ = false;
};

inline TableRows PartyRows() {
    using base::DayNumber;
    return TableRows({
        {"ООО \"РОМАШКА\""_ansi, "7701234567", "770101001", "1027700000001", "Ю"_ansi,
         "г. Москва, ул. Тверская, д. 1"_ansi, DayNumber(2024, 6, 1), DayNumber(2002, 8, 15), 0, "ДЕЙСТВУЮЩАЯ"_ansi,
         "Иванов Иван Иванович"_ansi, "ГЕНЕРАЛЬНЫЙ ДИРЕКТОР"_ansi, 2, "Филиал"_ansi, "62.01", "12345678", "55.757",
         "37.615"},
        {"ИП Петрова Анна Сергеевна"_ansi, "500100732259", "", "304500116000157", "Ф"_ansi,
         "Московская обл., г. Химки, ул. Ленина, д. 5"_ansi, DayNumber(2024, 6, 1), DayNumber(2004, 3, 10), 0,
         "ДЕЙСТВУЮЩИЙ"_ansi, "", "", 0, "", "47.91", "", "", ""},
        {"АО \"СЕВЕРНЫЙ ВЕТЕР\""_ansi, "7802000001", "780201001", "1027800000002", "Ю"_ansi,
         "г. Санкт-Петербург, Невский пр., д. 10"_ansi, DayNumber(2024, 6, 1), DayNumber(1998, 1, 20),
         DayNumber(2023, 11, 30), "ЛИКВИДИРОВАНА"_ansi, "Сидоров Пётр Павлович"_ansi, "ЛИКВИДАТОР"_ansi, 0, "", "49.41",
         "87654321", "59.934", "30.335"},
    });
}

inline TableRows NumberedRows(int count) {
    std::vector<std::vector<Variant>> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({i});
    return TableRows(std::move(rows));
}

} // namespace kvilo::testing
