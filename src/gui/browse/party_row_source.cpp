#include "gui/browse/party_row_source.h"

namespace kvilo::browse {

base::Variant PartyRowSource::field(int row, int field) const {
    if (row < 0 || row >= rowCount()) return base::Variant(std::string());
    return PartyRowField(rows_[static_cast<size_t>(row)], field);
}

base::Variant PartyRowField(const lookup::PartyRow& row, int field) {
    const auto& fields = lookup::PartyFields();
    if (field < 1 || field > static_cast<int>(fields.size())) return std::string();
    return fields[static_cast<size_t>(field - 1)].rowValue(row);
}

} // namespace kvilo::browse
