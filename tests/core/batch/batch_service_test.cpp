// The batch check over verified HTTPS with the real libcurl against the fake services: a list with
// duplicates, unknown codes, bad control digits, a burst of 429 answers and a dropped connection gives one
// workbook, read back with openpyxl; a cancelled check keeps what it found.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <thread>

#include "base/code_page.h"
#include "core/batch/batch_run.h"
#include "core/batch/batch_workbook.h"
#include "core/framework/message_presenter.h"
#include "core/lookup/lookup_request.h"
#include "lookup_services_test.h"
#include "party_dataset.h"
#include "workbook_reader.h"

namespace kvilo::batch {
namespace {

// What the workbook holds, sheet by sheet: cell coordinate -> the value as openpyxl shows it.
using SheetCells = std::map<std::string, std::string>;

std::map<std::string, SheetCells> ReadSheets(const std::string& path) {
    xlsx::testing::WorkbookDump dump = xlsx::testing::ReadBack(path);
    EXPECT_TRUE(dump.readable) << dump.text;
    std::map<std::string, SheetCells> sheets;
    std::string sheet;
    for (const std::string& line : dump.lines) {
        if (line.starts_with("sheet ")) sheet = line.substr(6);
        if (!line.starts_with("cell ")) continue;
        const size_t space = line.find(' ', 5);
        const size_t value = line.find(" value=", space);
        const size_t end = line.find(" fmt=", value);
        sheets[sheet][line.substr(5, space - 5)] = line.substr(value + 7, end - value - 7);
    }
    return sheets;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

// A code with valid control digits that the register does not have: `prefix` completed by its last two digits.
std::string UnknownCode(const std::string& prefix) {
    for (int last = 0; last < 100; ++last) {
        const std::string code = prefix + static_cast<char>('0' + last / 10) + static_cast<char>('0' + last % 10);
        if (codes::CheckCode(code) == codes::CodeCheck::Valid) return code;
    }
    return {};
}

class BatchServiceTest : public lookup::testing::LookupServicesTest {
protected:
    void SetUp() override {
        LookupServicesTest::SetUp();
        if (HasFatalFailure()) return;
        services_ = lookup::testing::FakeLookupServices(*server_);
        ASSERT_TRUE(fake::LoadPartyIndexFile(KVILO_FAKE_PARTIES, parties_));
        options_.retry.transferPause = std::chrono::milliseconds(5);
        options_.retry.rateLimitPause = std::chrono::milliseconds(5);
    }

    std::string Run(const std::vector<BatchLine>& lines, const std::atomic<bool>& cancel,
                    const ProgressSink& progress = {}) {
        xlsx::TXlsxWriterClass writer;
        BatchWorkbook workbook(writer);
        const std::string path = xlsx::testing::ScratchPath("batch.xlsx");
        EXPECT_TRUE(workbook.Open(path, BatchTitle("list.txt")));
        counts_ = RunBatch(
            lines, services_, options_, cancel,
            [&](const BatchLine& line, const CodeResult& result) { workbook.Add(line, result); }, progress);
        return workbook.Close();
    }

    lookup::LookupServices services_;
    fake::PartyIndex parties_;
    BatchOptions options_;
    BatchCounts counts_;
    framework::RecordingMessagePresenter messages_;
};

TEST_F(BatchServiceTest, FiftyLinesWithFaultsGiveRowsInOrderAndExactlyTheMissingLines) {
    std::vector<std::string> legal;
    std::vector<std::string> legalOgrn;
    std::vector<std::string> persons;
    for (size_t i = 0; i < parties_.size(); ++i) {
        const fake::PartyEntry& entry = parties_.Entry(i);
        if (entry.branchType == "MAIN" && legal.size() < 20) {
            legal.push_back(entry.inn);
            legalOgrn.push_back(entry.ogrn);
        }
        if (entry.type == "INDIVIDUAL" && persons.size() < 8) persons.push_back(entry.inn);
    }
    ASSERT_EQ(legal.size(), 20u);
    ASSERT_EQ(persons.size(), 8u);

    // Line by line: the code, and the INN of the row it must give ("" = listed as missing).
    std::vector<std::pair<std::string, std::string>> list;
    for (size_t i = 0; i < 20; ++i)
        list.emplace_back(legal[i], legal[i]);
    for (size_t i = 0; i < 8; ++i)
        list.emplace_back(persons[i], persons[i]);
    for (size_t i = 0; i < 6; ++i) // an OGRN finds its company
        list.emplace_back(legalOgrn[i], legal[i]);
    for (size_t i = 0; i < 6; ++i) // duplicates
        list.emplace_back(legal[i * 3], legal[i * 3]);
    for (const char* prefix : {"77000000", "5000000000", "10277000000", "3045000000000"})
        list.emplace_back(UnknownCode(prefix), "");
    for (const char* bad : {"7707083894", "500100732258", "1027700132196", "304500116000158"})
        list.emplace_back(bad, "");
    list.emplace_back("12345", "");
    list.emplace_back("ООО Ромашка", "");
    ASSERT_EQ(list.size(), 50u);

    std::string text = "ИНН;Название\r\n";
    for (const auto& [code, inn] : list)
        text += code + ";x\r\n";
    std::vector<BatchLine> lines = ToBatchLines(ReadTextCells(text));
    ASSERT_EQ(lines.size(), 50u);

    // Six answers in a row refuse with 429, and one connection breaks in the middle of its answer.
    ASSERT_TRUE(
        server_->AddFault({.mode = "fail", .path = lookup::kFindPartyByIdPath, .status = 429, .count = 6, .skip = 4}));
    ASSERT_TRUE(
        server_->AddFault({.mode = "drop", .path = lookup::kFindPartyByIdPath, .count = 1, .skip = 12, .after = 20}));
    std::atomic<bool> cancel = false;
    const std::string path = Run(lines, cancel);
    ASSERT_FALSE(path.empty());

    // Each distinct valid code was asked once, plus the repeats the faults caused.
    const size_t distinct = 20 + 8 + 6 + 4;
    EXPECT_EQ(server_->Requests(lookup::kFindPartyByIdPath).size(), distinct + 6 + 1);

    auto sheets = ReadSheets(path);
    const SheetCells& found = sheets["'Лист1'"];
    const SheetCells& missing = sheets["'Не найдено'"];
    uint32_t row = 5;
    std::vector<std::string> expectedMissing;
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].second.empty()) {
            expectedMissing.push_back(std::to_string(i + 2)); // line 1 is the heading
            continue;
        }
        EXPECT_EQ(found.at("B" + std::to_string(row)), Quoted(list[i].second)) << "line " << i + 2;
        ++row;
    }
    EXPECT_EQ(counts_.found, 40u);
    EXPECT_EQ(counts_.missing, 10u);
    ASSERT_TRUE(missing.contains("A11"));
    EXPECT_FALSE(missing.contains("A12"));
    for (size_t i = 0; i < expectedMissing.size(); ++i) {
        EXPECT_EQ(missing.at("A" + std::to_string(i + 2)), expectedMissing[i]);
        EXPECT_EQ(missing.at("B" + std::to_string(i + 2)), Quoted(base::AnsiToUtf8(lines[40 + i].text)));
    }
    EXPECT_EQ(missing.at("C2"), Quoted("нет в реестре"));
    EXPECT_EQ(missing.at("C6"), Quoted("контрольное число ИНН не сходится; не проверялся"));
    EXPECT_EQ(missing.at("C8"), Quoted("контрольное число ОГРН не сходится; не проверялся"));
    EXPECT_EQ(missing.at("C11"), Quoted("не ИНН и не ОГРН; не проверялся"));
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(BatchServiceTest, CancelHalfWayKeepsTheRowsFound) {
    std::vector<BatchLine> lines;
    for (size_t i = 0; i < parties_.size() && lines.size() < 30; ++i) {
        const fake::PartyEntry& entry = parties_.Entry(i);
        if (entry.branchType == "BRANCH") continue;
        lines.push_back({lines.size() + 1, entry.inn, entry.inn, codes::CodeCheck::Valid});
    }
    // The first ten answers come; every later one waits until the test lets it go.
    ASSERT_TRUE(server_->AddFault({.mode = "hold", .path = lookup::kFindPartyByIdPath, .count = -1, .skip = 10}));
    std::atomic<bool> cancel = false;
    std::atomic<size_t> done = 0;
    std::thread canceller([&] {
        for (int i = 0; i < 3000 && done.load() < 10; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        cancel = true;
    });
    const std::string path = Run(lines, cancel, [&](size_t finished, size_t) { done = finished; });
    canceller.join();
    server_->ReleaseHeld();
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(counts_.cancelled);
    EXPECT_EQ(counts_.found, 10u);
    EXPECT_EQ(counts_.missing, 20u);

    auto sheets = ReadSheets(path);
    const SheetCells& found = sheets["'Лист1'"];
    const SheetCells& missing = sheets["'Не найдено'"];
    // The rows found are those of their lines, in the order of the list.
    size_t line = 0;
    for (uint32_t row = 5; row < 15; ++row) {
        const std::string inn = found.at("B" + std::to_string(row));
        while (line < lines.size() && Quoted(lines[line].code) != inn)
            ++line;
        EXPECT_LT(line, lines.size()) << "row " << row << " out of order";
    }
    EXPECT_EQ(missing.at("C2"), Quoted("проверка прервана; не проверялся"));
    EXPECT_TRUE(missing.contains("A21"));
}

} // namespace
} // namespace kvilo::batch
