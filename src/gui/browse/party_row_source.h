#pragma once
// The result list as the format-driven list control reads it: field n of a row is the n-th party field
// (party_fields.h), dates and the branch count as numbers, for the columns' display pictures.
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

// Field `field` of a row (from 1, in the order of the party field list); an empty text for any other number.
base::Variant PartyRowField(const lookup::PartyRow& row, int field);

} // namespace kvilo::browse
