// kvilo-cli: the company lookup of the main window from the command line. It runs the very same lookup
// (request, result list, actuality query, status line); rows go to standard output, the messages the
// window would show and the status line to standard error.
#include <cstdio>
#include <string>
#include <vector>

#include "base/code_page.h"
#include "cli/cli_arguments.h"
#include "cli/cli_output.h"
#include "core/extract/register_export.h"
#include "core/framework/message_presenter.h"
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

// The command line has no window: nothing to focus, select or redraw.
class NoWindow : public lookup::LookupView {
public:
    void ShowStatusLine(const std::string&) override {}
    void FocusQuery() override {}
    void FocusList() override {}
    void Refresh() override {}
    void SelectRow(size_t) override {}
    void EnableRowButtons(bool) override {}
    void ShowAddressLine(const std::string&) override {}
};

int ExitStatus(const lookup::LookupData& data) {
    if (data.lastOutcome.result != 0 || data.lastOutcome.httpStatus != 200) return kFailed;
    return data.rows.empty() ? kNoRows : kRowsFound;
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
    NoWindow window;

    lookup::LookupData data;
    data.query = base::Utf8ToAnsi(arguments.query).substr(0, lookup::kMaxQueryLength);
    data.legalForm = arguments.legalForm;
    data.region = arguments.region;
    lookup::RunLookup(data, window, lookup::ServiceUrlsFromParameters());
    if (!data.requestSent) {
        std::fputs("kvilo-cli: the query is blank; nothing was sent\n", stderr);
        return kFailed;
    }
    std::string rows = arguments.json ? cli::RowsAsJson(data.rows) : cli::RowsAsTsv(data.rows);
    std::fputs(rows.c_str(), stdout);
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
