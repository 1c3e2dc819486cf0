#pragma once
// What a format-driven list shows: any record list offers its rows through this small interface, and the
// list control picks the field of every column by the column's field number.
#include "base/variant.h"
#include "core/listformat/list_format.h"

namespace kvilo::listcontrol {

class RowSource {
public:
    virtual ~RowSource() = default;
    virtual int rowCount() const = 0;
    // The value of field `field` (from 1) of row `row` (from 0): a text in 1251, or a number such as a day
    // number that the column's display picture formats. A field the row lacks gives an empty text.
    virtual base::Variant field(int row, int field) const = 0;
    // The entry of the list's icon list (1-30) shown before the value of the field, 0 for none.
    virtual int iconIndex(int /*row*/, int /*field*/) const { return 0; }
    // Colours of one cell that override the column's (a row marked by its state, for example); kNoColour
    // leaves the column's colour.
    virtual listformat::Colours cellColours(int /*row*/, int /*field*/) const { return {}; }
    // A marked row (an entry that is gone, for example) draws its text in the mark's red, chosen to read
    // on the cell's background, selected or not.
    virtual bool marked(int /*row*/) const { return false; }
};

} // namespace kvilo::listcontrol
