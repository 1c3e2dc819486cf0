#include "gui/browse/party_row_source.h"

namespace kvilo::browse {

base::Variant PartyRowSource::field(int row, int field) const {
    if (row < 0 || row >= rowCount()) return base::Variant(std::string());
    return PartyRowField(rows_[static_cast<size_t>(row)], field);
}

int PartyRowSource::iconIndex(int row, int field) const {
    return field == kStatusField && marked(row) ? kMarkIconIndex : 0;
}

bool PartyRowSource::marked(int row) const {
    return row >= 0 && row < rowCount() && lookup::IsMarkedState(rows_[static_cast<size_t>(row)].state);
}

base::Variant PartyRowField(const lookup::PartyRow& row, int field) {
    switch (field) {
    case 1:
        return row.QFName.View();
    case 2:
        return row.QFInn.View();
    case 3:
        return row.QFKpp.View();
    case 4:
        return row.QFOgrn.View();
    case 5:
        return row.QFLiZo.View();
    case 6:
        return row.QFAddress.View();
    case 7:
        return static_cast<int32_t>(row.QFActDate);
    case 8:
        return static_cast<int32_t>(row.QFRegDate);
    case 9:
        return static_cast<int32_t>(row.QFLiqDate);
    case 10:
        return row.QFStatus.View();
    case 11:
        return row.QFDir.View();
    case 12:
        return row.QFDol.View();
    case 13:
        return row.QFBCount;
    case 14:
        return row.QFBType.View();
    case 15:
        return row.QFOkved.View();
    case 16:
        return row.QFOkpo.View();
    case 17:
        return row.QFLat.View();
    case 18:
        return row.QFLon.View();
    default:
        return std::string();
    }
}

} // namespace kvilo::browse
