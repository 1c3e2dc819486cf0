// Lists read from files: a workbook written with libxlsxwriter (numbers, shared and inline texts, the codes
// in the second column), a damaged one, and the bound on what a zip member may unpack to.
#include "core/batch/batch_file.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>
#include <zlib.h>

#include <fstream>

#include "base/code_page.h"
#include "temp_dir.h"
#include "xlsx/zip_archive.h"

namespace kvilo::batch {
namespace {

TEST(BatchFile, FirstSheetOfAWorkbookWithTheCodesInTheSecondColumn) {
    testing::TempDir dir;
    const std::string path = dir / "list.xlsx";
    lxw_workbook* book = workbook_new(path.c_str());
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Контрагенты");
    workbook_add_worksheet(book, "Other");
    worksheet_write_string(sheet, 0, 0, "Название", nullptr);
    worksheet_write_string(sheet, 0, 1, "ИНН", nullptr);
    worksheet_write_string(sheet, 1, 0, "ПАО Сбербанк & Co", nullptr);
    worksheet_write_number(sheet, 1, 1, 7707083893.0, nullptr);
    worksheet_write_string(sheet, 2, 1, "1027700132195", nullptr);
    // An INN of region 02 typed as a number has lost its leading zero.
    worksheet_write_number(sheet, 4, 1, 274051582.0, nullptr);
    worksheet_write_string(sheet, 5, 1, "нет кода", nullptr);
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);

    std::vector<BatchLine> lines;
    std::string error;
    ASSERT_TRUE(ReadBatchFile(path, lines, error)) << base::AnsiToUtf8(error);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].lineNumber, 2u);
    EXPECT_EQ(lines[0].code, "7707083893");
    EXPECT_EQ(lines[1].code, "1027700132195");
    EXPECT_EQ(lines[2].lineNumber, 5u);
    EXPECT_EQ(lines[2].code, "0274051582");
    EXPECT_EQ(lines[2].check, codes::CodeCheck::Valid);
    EXPECT_EQ(lines[3].text, base::Utf8ToAnsi("нет кода"));
}

TEST(BatchFile, DamagedWorkbookIsRefusedWithAReason) {
    testing::TempDir dir;
    const std::string path = dir / "broken.xlsx";
    std::ofstream(path, std::ios::binary) << "PK\x03\x04 not really a zip package";
    std::vector<BatchLine> lines;
    std::string error;
    EXPECT_FALSE(ReadBatchFile(path, lines, error));
    EXPECT_NE(base::AnsiToUtf8(error).find("не является книгой Excel"), std::string::npos);
    EXPECT_FALSE(ReadBatchFile(dir / "missing.txt", lines, error));
}

// A one-member zip package whose member is `size` zero bytes, deflated.
std::string ZipOfZeros(size_t size) {
    std::string zeros(size, '\0');
    std::string packed(compressBound(static_cast<uLong>(size)), '\0');
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    stream.next_in = reinterpret_cast<Bytef*>(zeros.data());
    stream.avail_in = static_cast<uInt>(size);
    stream.next_out = reinterpret_cast<Bytef*>(packed.data());
    stream.avail_out = static_cast<uInt>(packed.size());
    deflate(&stream, Z_FINISH);
    packed.resize(stream.total_out);
    deflateEnd(&stream);
    auto u16 = [](uint16_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; };
    auto u32 = [&](uint32_t v) { return u16(static_cast<uint16_t>(v)) + u16(static_cast<uint16_t>(v >> 16)); };
    const std::string name = "xl/worksheets/sheet1.xml";
    const auto packedSize = static_cast<uint32_t>(packed.size());
    std::string zip = u32(0x04034b50) + u16(20) + u16(0) + u16(8) + u32(0) + u32(0) + u32(packedSize) +
                      u32(static_cast<uint32_t>(size)) + u16(static_cast<uint16_t>(name.size())) + u16(0) + name +
                      packed;
    const auto directory = static_cast<uint32_t>(zip.size());
    zip += u32(0x02014b50) + u16(20) + u16(20) + u16(0) + u16(8) + u32(0) + u32(0) + u32(packedSize) +
           u32(static_cast<uint32_t>(size)) + u16(static_cast<uint16_t>(name.size())) + u16(0) + u16(0) + u16(0) +
           u16(0) + u32(0) + u32(0) + name;
    const auto directorySize = static_cast<uint32_t>(zip.size()) - directory;
    zip += u32(0x06054b50) + u16(0) + u16(0) + u16(1) + u16(1) + u32(directorySize) + u32(directory) + u16(0);
    return zip;
}

TEST(BatchFile, AMemberIsNeverUnpackedBeyondItsBound) {
    const std::string zip = ZipOfZeros(4u << 20); // 4 MB of zeros pack into about 4 KB
    xlsx::ZipArchive archive;
    ASSERT_TRUE(archive.Open(zip));
    std::string out;
    EXPECT_TRUE(archive.Read("xl/worksheets/sheet1.xml", 4u << 20, out));
    EXPECT_EQ(out.size(), 4u << 20);
    EXPECT_FALSE(archive.Read("xl/worksheets/sheet1.xml", 1u << 20, out));
    EXPECT_LE(out.size(), 1u << 20);
    EXPECT_FALSE(archive.Read("xl/sharedStrings.xml", 1u << 20, out));
    // Cut short anywhere, the package is refused (and never read past its end).
    for (size_t cut = 0; cut < zip.size(); cut += 97) {
        xlsx::ZipArchive damaged;
        EXPECT_FALSE(damaged.Open(std::string_view(zip).substr(0, cut)));
    }
    // A directory that claims more data than the file holds is not believed.
    std::string lying = zip;
    lying[lying.size() - 22 - 46 - 24 + 23] = '\x7F';
    xlsx::ZipArchive damaged;
    ASSERT_TRUE(damaged.Open(lying));
    EXPECT_FALSE(damaged.Read("xl/worksheets/sheet1.xml", 4u << 20, out));
}

} // namespace
} // namespace kvilo::batch
