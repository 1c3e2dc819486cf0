#include "cli/cli_batch.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>

#include "base/code_page.h"
#include "cli/cli_output.h"
#include "core/batch/batch_file.h"
#include "core/batch/batch_run.h"
#include "core/batch/batch_workbook.h"
#include "core/extract/register_workbook.h"
#include "platform/terminal.h"

namespace kvilo::cli {

namespace {

constexpr int kAllFound = 0;
constexpr int kSomeMissing = 1;
constexpr int kFailed = 2;

// "1234/5000 codes, about 2 min left" on one line of the terminal, redrawn at most a few times a second.
class ProgressLine {
public:
    explicit ProgressLine(bool shown) : shown_(shown), start_(std::chrono::steady_clock::now()) {}

    void Update(size_t done, size_t total) {
        if (!shown_) return;
        std::lock_guard lock(mutex_);
        const auto now = std::chrono::steady_clock::now();
        if (done < total && now - drawn_ < std::chrono::milliseconds(200)) return;
        drawn_ = now;
        const double elapsed = std::chrono::duration<double>(now - start_).count();
        const long left =
            done == 0 ? 0 : std::lround(elapsed / static_cast<double>(done) * static_cast<double>(total - done));
        std::fprintf(stderr, "\r%zu/%zu codes, about %ld s left   ", done, total, left);
        std::fflush(stderr);
    }

    void End() {
        if (shown_) std::fputs("\n", stderr);
    }

private:
    bool shown_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point drawn_;
    std::mutex mutex_;
};

std::string MissingLine(const batch::BatchLine& line, const batch::CodeResult& result) {
    return "line " + std::to_string(line.lineNumber) + ": " + base::AnsiToUtf8(line.text) + ": " +
           base::AnsiToUtf8(result.reason) + "\n";
}

} // namespace

int RunBatchCheck(const CliArguments& arguments, const lookup::LookupServices& services) {
    std::vector<batch::BatchLine> lines;
    std::string error;
    if (!batch::ReadBatchFile(base::Utf8ToAnsi(arguments.batchFile), lines, error)) {
        std::fprintf(stderr, "kvilo-cli: %s\n", base::AnsiToUtf8(error).c_str());
        return kFailed;
    }
    xlsx::TXlsxWriterClass writer;
    batch::BatchWorkbook workbook(writer);
    if (arguments.xlsx &&
        !workbook.Open(extract::NewExportPath(), batch::BatchTitle(base::Utf8ToAnsi(arguments.batchFile))))
        return kFailed;

    ProgressLine progress(platform::IsTerminal(stderr));
    batch::BatchOptions options;
    options.concurrency = arguments.concurrency;
    const std::atomic<bool> cancel = false;
    bool headed = false;
    auto deliver = [&](const batch::BatchLine& line, const batch::CodeResult& result) {
        if (arguments.xlsx) {
            workbook.Add(line, result);
        } else if (result.outcome == batch::CodeOutcome::Found) {
            // The column names once, above the first row.
            const std::string text = RowsAsTsv({result.row});
            std::fputs(text.c_str() + (headed ? text.find('\n') + 1 : 0), stdout);
            headed = true;
        } else {
            std::fputs(MissingLine(line, result).c_str(), stderr);
        }
    };
    const batch::BatchCounts counts = batch::RunBatch(lines, services, options, cancel, deliver,
                                                      [&](size_t done, size_t total) { progress.Update(done, total); });
    progress.End();
    std::fprintf(stderr, "%zu found, %zu not found or not checked\n", counts.found, counts.missing);
    if (arguments.xlsx) {
        const std::string path = workbook.Close();
        if (path.empty()) return kFailed;
        std::fputs((base::AnsiToUtf8(path) + "\n").c_str(), stdout);
    }
    return counts.missing == 0 ? kAllFound : kSomeMissing;
}

} // namespace kvilo::cli
