#pragma once
// The result list as the format-driven list control reads it: field n of a row is the n-th PartyRow field
// in column order (dates and the branch count as numbers, for the columns' display pictures).
#include "framework/list_control/row_source.h"
#include "lookup/party_row.h"

namespace kvilo::lookup {

class PartyRowSource : public framework::RowSource {
public:
    explicit PartyRowSource(const PartyRows& rows) : rows_(rows) {}
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    platform::Variant field(int row, int field) const override;

private:
    const PartyRows& rows_;
};

// Field `field` (1 to 18) of a row; an empty text for any other number.
platform::Variant PartyRowField(const PartyRow& row, int field);

} // namespace kvilo::lookup
