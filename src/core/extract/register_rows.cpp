#include "core/extract/register_rows.h"

#include <string>

namespace kvilo::extract {

void WriteRegisterRow(xlsx::TXlsxWriterClass& writer, uint32_t row, const lookup::PartyRow& party) {
    writer.ResetFormat();
    writer.SetDataRow(row);
    writer.FORMAT.ALIGNV = xlsx::kAlignTop;
    writer.FORMAT.ALIGN = xlsx::kAlignLeft;
    writer.FORMAT.WRAPTEXT = 1;
    writer.FORMAT.BORDER.FORMAT = xlsx::kBorderThin;
    writer.ApplyFormat(true);
    writer.WriteString(row, 1, party.QFName.View());
    writer.WriteString(row, 2, party.QFInn.View());
    writer.WriteString(row, 3, party.QFKpp.View());
    writer.WriteString(row, 4, party.QFOgrn.View());
    writer.WriteString(row, 5, party.QFLiZo.View());
    writer.WriteString(row, 6, party.QFAddress.View());
    writer.WriteString(row, 10, party.QFStatus.View());
    writer.WriteString(row, 11, party.QFDir.View());
    writer.WriteString(row, 12, party.QFDol.View());
    writer.WriteString(row, 14, party.QFBType.View());
    writer.WriteString(row, 15, party.QFOkved.View());
    writer.WriteString(row, 16, party.QFOkpo.View());
    // The coordinates keep the text look already applied; only the number and date looks built below take
    // the right alignment without wrapping.
    writer.FORMAT.WRAPTEXT = 0;
    writer.FORMAT.ALIGN = xlsx::kAlignRight;
    writer.WriteString(row, 17, party.QFLat.View());
    writer.WriteString(row, 18, party.QFLon.View());
    writer.SetNumberFormat(0, false);
    writer.WriteValue(row, 13, std::to_string(party.QFBCount));
    writer.SetDateFormat();
    writer.WriteDate(row, 7, party.QFActDate, 0);
    writer.WriteDate(row, 8, party.QFRegDate, 0);
    writer.WriteDate(row, 9, party.QFLiqDate, 0);
}

} // namespace kvilo::extract
