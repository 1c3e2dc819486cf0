// kvilo-cli: the company lookup of the main window from the command line. It runs the very same lookup
// (request, result list, actuality query, status line); rows go to standard output as soon as the lookup
// has them (before the actuality query), the messages the window would show and the status line to
// standard error.
#include <cstdio>
#include <string>
#include <vector>

#include "base/code_page.h"
#include "cli/cli_arguments.h"
#include "cli/cli_batch.h"
#include "cli/cli_output.h"
#include "core/codes/code_warning.h"
#include "core/extract/register_export.h"
#include "core/framework/message_presenter.h"
#include "core/framework/settings_store.h"
#include "core/lookup/lookup_request.h"
#include "core/lookup/party_lookup.h"
#include "platform/command_line.h"

namespace {

using namespace kvilo;

// Exit statuses.
constexpr int kRowsFound = 0;
constexpr int kNoRows = 1;
constexpr int kFailed = 2;

// Messages are written as they come, so that they interleave with nothing else.
class StderrPresenter : public framework::MessagePresenter {
public:
    StderrPresenter() : previous_(framework::SetMessagePresenter(this)) {}
    ~StderrPresenter() override { framework::SetMessagePresenter(previous_); }
    StderrPresenter(const StderrPresenter&) = delete;
    StderrPresenter& operator=(const StderrPresenter&) = delete;

    int Show(const framework::Message& message) override {
        std::fputs(cli::MessageAsText(message).c_str(), stderr);
        return message.defaultButton;
    }

private:
    framework::MessagePresenter* previous_;
};

// The command line has no window: the rows are printed when the window would show them, and there is
// nothing to focus, select or redraw.
class RowPrinter : public lookup::LookupView {
public:
    RowPrinter(const lookup::LookupData& data, bool json) : data_(data), json_(json) {}

    void Refresh() override {
        if (printed_) return;
        printed_ = true;
        const std::string rows = json_ ? cli::RowsAsJson(data_.rows) : cli::RowsAsTsv(data_.rows);
        std::fputs(rows.c_str(), stdout);
        std::fflush(stdout); // whoever reads them need not wait for the actuality query
    }
    void ShowStatusLine(const std::string&) override {}
    void FocusQuery() override {}
    void FocusList() override {}
    void SelectRow(size_t) override {}
    void EnableRowButtons(bool) override {}
    void ShowAddressLine(const std::string&) override {}

private:
    const lookup::LookupData& data_;
    bool json_;
    bool printed_ = false;
};

int ExitStatus(const lookup::LookupData& data) {
    switch (data.end) {
    case lookup::LookupEnd::Rows:
        return kRowsFound;
    case lookup::LookupEnd::NoRows:
        return kNoRows;
    default:
        return kFailed;
    }
}

// A user's own token kept in the settings store, as the program reads it.
std::string StoredToken() {
    framework::SettingsStore store;
    store.Open(framework::kProgramSettingsKey, framework::kSettingsNative, framework::kRootCurrentUser);
    return store.Fetch(lookup::kTokenSection, lookup::kTokenEntry);
}

} // namespace

int main(int argc, char* argv[]) {
    cli::CliArguments arguments;
    std::string error;
    if (!cli::ParseCliArguments(std::vector<std::string>(argv + 1, argv + argc), arguments, error)) {
        std::fprintf(stderr, "kvilo-cli: %s\n%s\n", error.c_str(), cli::kCliUsage);
        return kFailed;
    }
    platform::SetCommandLine(arguments.parameters);
    StderrPresenter presenter;
    if (!arguments.batchFile.empty())
        return cli::RunBatchCheck(arguments, lookup::LookupServicesFromParameters(StoredToken()));

    lookup::LookupData data;
    RowPrinter window(data, arguments.json);
    data.query = base::Utf8ToAnsi(arguments.query).substr(0, lookup::kMaxQueryLength);
    data.legalForm = arguments.legalForm;
    data.region = arguments.region;
    // A code with a wrong control digit is still looked up: the user may know better.
    if (const std::string warning = codes::CodeWarning(data.query); !warning.empty())
        std::fputs(("kvilo-cli: " + base::AnsiToUtf8(warning) + "\n").c_str(), stderr);
    lookup::RunLookup(data, window, lookup::LookupServicesFromParameters(StoredToken()));
    if (data.end == lookup::LookupEnd::NotSent) {
        std::fputs("kvilo-cli: the query is blank; nothing was sent\n", stderr);
        return kFailed;
    }
    std::fputs((base::AnsiToUtf8(data.statusLine) + "\n").c_str(), stderr);
    if (arguments.xlsx && !data.rows.empty()) {
        // The export of the window's export button, without opening the workbook: its path is the last line.
        xlsx::TXlsxWriterClass writer;
        std::string path = extract::ExportRegister(writer, data.rows, extract::kRegisterTitle);
        if (path.empty()) return kFailed;
        std::fputs((base::AnsiToUtf8(path) + "\n").c_str(), stdout);
    }
    return ExitStatus(data);
}
