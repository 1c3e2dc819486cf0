// The register workbook of 100,000 rows written through TXlsxWriterClass and, in the same run, the same
// workbook written with libxlsxwriter calls directly (texts already UTF-8, formats made by hand, dates
// already split). The closing line gives the ratio of the two; the budget is 1.2.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include <xlsxwriter.h>

#include "base/code_page.h"
#include "base/cp1251.h"
#include "base/dates.h"
#include "xlsx/xlsx_writer.h"

using namespace kvilo::base::literals;
using kvilo::xlsx::TXlsxWriterClass;

namespace {

constexpr int kRows = 100000;
constexpr uint16_t kColumns = 18;
constexpr uint32_t kFirstDataRow = 5;

// One result row: 15 texts in the program's code page, the branch count as text, three day numbers.
struct Row {
    std::string text[15]; // columns 1-6, 10-12, 14-18 (see kTextColumns), then the branch count
    int32_t dates[3];     // columns 7-9
};
constexpr uint16_t kTextColumns[14] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 14, 15, 16, 17, 18};

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = [] {
        std::vector<Row> out(kRows);
        const int32_t base = kvilo::base::DayNumber(2000, 1, 1);
        for (int i = 0; i < kRows; ++i) {
            const std::string n = std::to_string(i);
            Row& r = out[static_cast<size_t>(i)];
            r.text[0] = "ОБЩЕСТВО С ОГРАНИЧЕННОЙ ОТВЕТСТВЕННОСТЬЮ \"РОМАШКА-"_ansi + n + "\"";
            r.text[1] = std::to_string(7700000000LL + i);
            r.text[2] = std::to_string(770000000 + i);
            r.text[3] = std::to_string(1027700000000LL + i);
            r.text[4] = i % 3 ? "Ю"_ansi : "Ф"_ansi;
            r.text[5] = "г Москва, ул Вавилова, д "_ansi + std::to_string(i % 200) + ", кв "_ansi + n;
            r.text[6] = i % 7 ? "Действующая"_ansi : "Ликвидирована"_ansi;
            r.text[7] = "Иванов Иван Иванович "_ansi + n;
            r.text[8] = i % 2 ? "Генеральный директор"_ansi : "Президент"_ansi;
            r.text[9] = i % 5 ? "" : "Филиал"_ansi;
            r.text[10] = "64." + std::to_string(i % 100);
            r.text[11] = std::to_string(10000000 + i);
            r.text[12] = "55." + std::to_string(i % 1000);
            r.text[13] = "37." + std::to_string(i % 1000);
            r.text[14] = std::to_string(i % 4);
            r.dates[0] = base + i % 9000;
            r.dates[1] = base - i % 3000;
            r.dates[2] = i % 7 ? kvilo::base::kNoDate : base + 100;
        }
        return out;
    }();
    return rows;
}

std::string OutputPath(const char* what) {
    return (std::filesystem::temp_directory_path() /
            ("kvilo-xlsx-bench-" + std::to_string(getpid()) + "-" + what + ".xlsx"))
        .string();
}

// --- through the layer, as the export writes it ----------------------------------------------------------

void Look(TXlsxWriterClass& w, uint8_t align, bool wrap, int32_t style) {
    w.ResetFormat();
    w.FORMAT.ALIGN = align;
    w.FORMAT.ALIGNV = kvilo::xlsx::kAlignTop;
    w.FORMAT.WRAPTEXT = wrap ? 1 : 0;
    w.FORMAT.FONTSTYLE = style;
    w.FORMAT.BORDER.FORMAT = kvilo::xlsx::kBorderThin;
    w.ApplyFormat(true);
}

void LayerHeader(TXlsxWriterClass& w) {
    w.PROPERTIES.TITLE = "Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi;
    w.PROPERTIES.COMMENTS = "Отчёт создан в программе:\r\nKvilo"_ansi;
    w.SetProperties();
    w.AddTitledSheet("Лист1"_ansi, "Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi, 1, 1, 2, 14);
    w.SetLandscape();
    w.HideZero();
    w.SetRow(2, 8.0);
    Look(w, kvilo::xlsx::kAlignLeft, true, 700);
    w.Merge(3, 2, 3, 4, "КОДЫ ФНС"_ansi, false);
    w.FORMAT.BOTTOM.FORMAT = kvilo::xlsx::kBorderDouble;
    w.FORMAT.FONTSTYLE = 400;
    w.ApplyFormat(true);
    w.Merge(3, 1, 4, 1, "Полное наименование"_ansi, false);
    w.WriteString(4, 2, "ИНН"_ansi);
    w.ResetFormat();
    for (uint16_t c = 1; c <= kColumns; ++c)
        w.SetColumn(c, c, 15);
    w.FreezePanes(5, 1);
}

void LayerRow(TXlsxWriterClass& w, uint32_t r, const Row& row) {
    w.ResetFormat();
    w.SetDataRow(r);
    Look(w, kvilo::xlsx::kAlignLeft, true, 0);
    for (int i = 0; i < 12; ++i)
        w.WriteString(r, kTextColumns[i], row.text[i]);
    w.FORMAT.WRAPTEXT = 0;
    w.FORMAT.ALIGN = kvilo::xlsx::kAlignRight;
    w.WriteString(r, 17, row.text[12]);
    w.WriteString(r, 18, row.text[13]);
    w.SetNumberFormat(0, false);
    w.WriteValue(r, 13, row.text[14]);
    w.SetDateFormat();
    for (int i = 0; i < 3; ++i)
        w.WriteDate(r, static_cast<uint16_t>(7 + i), row.dates[i], 0);
}

void ExportThroughLayer(const std::string& path) {
    TXlsxWriterClass w;
    w.NewWorkbook(path, false, true);
    LayerHeader(w);
    uint32_t r = kFirstDataRow;
    for (const Row& row : Rows())
        LayerRow(w, r++, row);
    w.ResetFormat();
    w.SetSeparatorRow(r);
    Look(w, kvilo::xlsx::kAlignLeft, false, 700);
    w.WriteString(r + 1, 1, "ИТОГО"_ansi);
    w.FORMAT.ALIGN = kvilo::xlsx::kAlignRight;
    w.ApplyFormat(true);
    w.WriteNumber(r + 1, 2, kRows);
    w.OutlineSettings(1, 0, 0, 0);
    if (w.CloseWorkbook() != LXW_NO_ERROR) std::fprintf(stderr, "layer: workbook not written\n");
}

// --- the same workbook with the library directly --------------------------------------------------------

struct DirectRow {
    std::string text[14];
    double count;
    bool hasDate[3];
    lxw_datetime dates[3];
};

const std::vector<DirectRow>& DirectRows() {
    static const std::vector<DirectRow> rows = [] {
        std::vector<DirectRow> out;
        out.reserve(Rows().size());
        for (const Row& row : Rows()) {
            DirectRow d{};
            for (int i = 0; i < 14; ++i)
                d.text[i] = kvilo::base::AnsiToUtf8(row.text[i]);
            d.count = std::stod(row.text[14]);
            for (int i = 0; i < 3; ++i) {
                d.dates[i] = {};
                d.hasDate[i] =
                    kvilo::base::CalendarDate(row.dates[i], d.dates[i].year, d.dates[i].month, d.dates[i].day);
            }
            out.push_back(std::move(d));
        }
        return out;
    }();
    return rows;
}

lxw_format* Format(lxw_workbook* wb, uint8_t align, bool wrap, bool bold) {
    lxw_format* f = workbook_add_format(wb);
    format_set_border(f, LXW_BORDER_THIN);
    if (bold) format_set_bold(f);
    format_set_align(f, align);
    format_set_align(f, LXW_ALIGN_VERTICAL_TOP);
    if (wrap) format_set_text_wrap(f);
    return f;
}

void ExportDirect(const std::string& path) {
    lxw_workbook* wb = workbook_new(path.c_str());
    const std::string title = kvilo::base::AnsiToUtf8("Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi);
    std::string comments = kvilo::base::AnsiToUtf8("Отчёт создан в программе:\nKvilo"_ansi);
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(title.c_str());
    properties.comments = comments.data();
    workbook_set_properties(wb, &properties);
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Лист1");
    worksheet_set_paper(ws, 9);
    worksheet_set_margins(ws, 0.8 / 2.54, 0.8 / 2.54, 0.8 / 2.54, 0.8 / 2.54);
    lxw_header_footer_options none{};
    worksheet_set_header_opt(ws, "", &none);
    worksheet_set_footer_opt(ws, "", &none);
    lxw_format* titleFormat = workbook_add_format(wb);
    format_set_align(titleFormat, LXW_ALIGN_LEFT);
    format_set_align(titleFormat, LXW_ALIGN_VERTICAL_CENTER);
    format_set_bold(titleFormat);
    format_set_font_size(titleFormat, 14);
    worksheet_merge_range(ws, 0, 0, 0, 1, title.c_str(), titleFormat);
    worksheet_set_landscape(ws);
    worksheet_hide_zero(ws);
    worksheet_set_row(ws, 1, 8.0, nullptr);
    lxw_format* group = Format(wb, LXW_ALIGN_LEFT, true, true);
    worksheet_merge_range(ws, 2, 1, 2, 3, "КОДЫ ФНС", group);
    lxw_format* heading = Format(wb, LXW_ALIGN_LEFT, true, false);
    format_set_bottom(heading, LXW_BORDER_DOUBLE);
    worksheet_merge_range(ws, 2, 0, 3, 0, "Полное наименование", heading);
    worksheet_write_string(ws, 3, 1, "ИНН", heading);
    for (lxw_col_t c = 0; c < kColumns; ++c)
        worksheet_set_column(ws, c, c, 15, nullptr);
    worksheet_freeze_panes(ws, 4, 0);

    lxw_format* text = Format(wb, LXW_ALIGN_LEFT, true, false);
    lxw_format* number = Format(wb, LXW_ALIGN_RIGHT, false, false);
    format_set_num_format(number, "# ##0;-# ##0");
    lxw_format* date = Format(wb, LXW_ALIGN_RIGHT, false, false);
    format_set_num_format(date, "DD.MM.YYYY");
    lxw_row_col_options outline{0, 1, 0};
    lxw_row_t r = kFirstDataRow - 1;
    for (const DirectRow& row : DirectRows()) {
        worksheet_set_row_opt(ws, r, 15.0, nullptr, &outline);
        for (int i = 0; i < 14; ++i)
            worksheet_write_string(ws, r, static_cast<lxw_col_t>(kTextColumns[i] - 1), row.text[i].c_str(), text);
        worksheet_write_number(ws, r, 12, row.count, number);
        for (int i = 0; i < 3; ++i) {
            const auto c = static_cast<lxw_col_t>(6 + i);
            lxw_datetime datetime = row.dates[i];
            if (row.hasDate[i])
                worksheet_write_datetime(ws, r, c, &datetime, date);
            else
                worksheet_write_blank(ws, r, c, date);
        }
        ++r;
    }
    worksheet_set_row_opt(ws, r, 7.5, nullptr, &outline);
    lxw_format* totals = Format(wb, LXW_ALIGN_LEFT, false, true);
    worksheet_write_string(ws, r + 1, 0, "ИТОГО", totals);
    lxw_format* totalsNumber = Format(wb, LXW_ALIGN_RIGHT, false, true);
    worksheet_write_number(ws, r + 1, 1, kRows, totalsNumber);
    worksheet_outline_settings(ws, 1, 0, 0, 0);
    if (workbook_close(wb) != LXW_NO_ERROR) std::fprintf(stderr, "direct: workbook not written\n");
}

void BM_ThroughLayer(benchmark::State& state) {
    Rows();
    const std::string path = OutputPath("layer");
    for (auto _ : state)
        ExportThroughLayer(path);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}

void BM_Direct(benchmark::State& state) {
    DirectRows();
    const std::string path = OutputPath("direct");
    for (auto _ : state)
        ExportDirect(path);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}

BENCHMARK(BM_ThroughLayer)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_Direct)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();

// Prints as usual and keeps the medians, for the ratio in the closing line.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.aggregate_name == "median")
                medians_[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatio() const {
        auto layer = medians_.find("BM_ThroughLayer"), direct = medians_.find("BM_Direct");
        if (layer == medians_.end() || direct == medians_.end()) return;
        std::printf("ratio layer / direct (medians): real %.3f, cpu %.3f (budget 1.2)\n",
                    layer->second.first / direct->second.first, layer->second.second / direct->second.second);
    }

private:
    std::map<std::string, std::pair<double, double>> medians_;
};

} // namespace

int main(int argc, char** argv) {
    // Interleaving the repetitions of the two spreads any change of machine load over both.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
