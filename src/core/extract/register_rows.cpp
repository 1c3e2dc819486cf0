#include "core/extract/register_rows.h"

#include <string>

#include "base/code_page.h"

namespace kvilo::extract {

namespace {

using lookup::PartyField;
using lookup::PartyFields;
using lookup::PartyGroup;
using lookup::PartyValue;

constexpr uint32_t kGroupTitleRow = 3;
constexpr uint32_t kColumnTitleRow = 4;

uint16_t SheetColumn(size_t fieldIndex) {
    return static_cast<uint16_t>(fieldIndex + 1);
}

// How a field's cells are written, in the order the kinds are written in a row: the number and date looks
// are made after the texts, so that they come out right-aligned and unwrapped.
enum class CellKind { Text, RightText, Count, Date };

CellKind CellKindOf(const PartyField& field) {
    switch (field.value) {
    case PartyValue::Coordinate:
        return CellKind::RightText;
    case PartyValue::Count:
        return CellKind::Count;
    case PartyValue::Date:
        return CellKind::Date;
    default:
        return CellKind::Text;
    }
}

void WriteCell(xlsx::TXlsxWriterClass& writer, uint32_t row, size_t fieldIndex, const lookup::PartyRow& party) {
    const PartyField& field = PartyFields()[fieldIndex];
    const base::Variant value = field.rowValue(party);
    switch (CellKindOf(field)) {
    case CellKind::Count:
        writer.WriteValue(row, SheetColumn(fieldIndex), value.text());
        return;
    case CellKind::Date:
        writer.WriteDate(row, SheetColumn(fieldIndex), static_cast<int32_t>(value.integer()), 0);
        return;
    default:
        writer.WriteString(row, SheetColumn(fieldIndex), value.text());
        return;
    }
}

void WriteCells(xlsx::TXlsxWriterClass& writer, uint32_t row, const lookup::PartyRow& party, CellKind kind) {
    for (size_t i = 0; i < PartyFields().size(); ++i)
        if (CellKindOf(PartyFields()[i]) == kind) WriteCell(writer, row, i, party);
}

} // namespace

void WriteRegisterColumnTitles(xlsx::TXlsxWriterClass& writer) {
    const auto& fields = PartyFields();
    for (size_t first = 0; first < fields.size();) {
        const PartyGroup group = fields[first].column.group;
        size_t last = first;
        while (last + 1 < fields.size() && group != PartyGroup::None && fields[last + 1].column.group == group)
            ++last;
        if (group != PartyGroup::None)
            writer.Merge(kGroupTitleRow, SheetColumn(first), kGroupTitleRow, SheetColumn(last),
                         base::UpperText(lookup::PartyGroupOf(group).header), false);
        first = last + 1;
    }
    writer.FORMAT.BOTTOM.FORMAT = xlsx::kBorderDouble;
    writer.FORMAT.FONTSTYLE = 400;
    writer.ApplyFormat(true);
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].column.group == PartyGroup::None)
            writer.Merge(kGroupTitleRow, SheetColumn(i), kColumnTitleRow, SheetColumn(i), fields[i].column.header,
                         false);
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].column.group != PartyGroup::None)
            writer.WriteString(kColumnTitleRow, SheetColumn(i), fields[i].column.header);
}

void SetRegisterColumnWidths(xlsx::TXlsxWriterClass& writer) {
    const auto& fields = PartyFields();
    for (size_t first = 0; first < fields.size();) {
        size_t last = first;
        while (last + 1 < fields.size() && fields[last + 1].sheetWidth == fields[first].sheetWidth &&
               fields[last + 1].value == fields[first].value)
            ++last;
        writer.SetColumn(SheetColumn(first), SheetColumn(last), fields[first].sheetWidth);
        first = last + 1;
    }
}

void WriteRegisterRow(xlsx::TXlsxWriterClass& writer, uint32_t row, const lookup::PartyRow& party) {
    writer.ResetFormat();
    writer.SetDataRow(row);
    writer.FORMAT.ALIGNV = xlsx::kAlignTop;
    writer.FORMAT.ALIGN = xlsx::kAlignLeft;
    writer.FORMAT.WRAPTEXT = 1;
    writer.FORMAT.BORDER.FORMAT = xlsx::kBorderThin;
    writer.ApplyFormat(true);
    WriteCells(writer, row, party, CellKind::Text);
    // The coordinates keep the text look already applied; only the number and date looks built below take
    // the right alignment without wrapping.
    writer.FORMAT.WRAPTEXT = 0;
    writer.FORMAT.ALIGN = xlsx::kAlignRight;
    WriteCells(writer, row, party, CellKind::RightText);
    writer.SetNumberFormat(0, false);
    WriteCells(writer, row, party, CellKind::Count);
    writer.SetDateFormat();
    WriteCells(writer, row, party, CellKind::Date);
}

} // namespace kvilo::extract
