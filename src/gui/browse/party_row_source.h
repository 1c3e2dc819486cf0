#pragma once
// The result list as the format-driven list control reads it: field n of a row is the n-th PartyRow field
// in column order (dates and the branch count as numbers, for the columns' display pictures).
#include "core/lookup/party_row.h"
#include "gui/listcontrol/row_source.h"

namespace kvilo::browse {

class PartyRowSource : public listcontrol::RowSource {
public:
    explicit PartyRowSource(const lookup::PartyRows& rows) : rows_(rows) {}
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    base::Variant field(int row, int field) const override;

private:
    const lookup::PartyRows& rows_;
};

// Field `field` (1 to 18) of a row; an empty text for any other number.
base::Variant PartyRowField(const lookup::PartyRow& row, int field);

} // namespace kvilo::browse
