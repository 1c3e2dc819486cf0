// The batch check of distinct codes against the fake services over loopback HTTP with no delay, at four
// lookups at a time: codes a second, and the process's peak memory. Run one size per process to compare
// the peaks:  batch_bench --benchmark_filter=/1000$   and   batch_bench --benchmark_filter=/10000$
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <atomic>
#include <string>
#include <vector>

#include "core/batch/batch_run.h"
#include "core/batch/batch_workbook.h"
#include "core/codes/code_check.h"
#include "core/extract/register_workbook.h"
#include "fake_services.h"
#include "party_dataset.h"
#include "platform/special_folders.h"

namespace {

using namespace kvilo;

// The register's codes first (every one found), then INNs with valid control digits that it does not have.
std::vector<batch::BatchLine> Lines(size_t count) {
    std::vector<batch::BatchLine> lines;
    fake::PartyIndex index;
    fake::LoadPartyIndexFile(KVILO_FAKE_PARTIES, index);
    std::vector<std::string> codes;
    for (size_t i = 0; i < index.size(); ++i)
        if (index.Entry(i).branchType != "BRANCH") codes.push_back(index.Entry(i).inn);
    for (uint64_t n = 100000000; codes.size() < count; ++n) {
        const std::string prefix = std::to_string(n).substr(0, 9);
        for (char last = '0'; last <= '9'; ++last)
            if (codes::CheckCode(prefix + last) == codes::CodeCheck::Valid) codes.push_back(prefix + last);
    }
    codes.resize(count);
    for (const std::string& code : codes)
        lines.push_back({lines.size() + 1, code, code, codes::CodeCheck::Valid});
    return lines;
}

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_BatchCheck(benchmark::State& state) {
    testsupport::FakeServices server;
    if (!server.Start()) {
        state.SkipWithError(server.Error().c_str());
        return;
    }
    lookup::LookupServices services;
    services.urls = {server.HttpUrl(""), server.HttpUrl("")};
    const std::vector<batch::BatchLine> lines = Lines(static_cast<size_t>(state.range(0)));
    batch::BatchOptions options;
    size_t found = 0;
    for (auto _ : state) {
        xlsx::TXlsxWriterClass writer;
        batch::BatchWorkbook workbook(writer);
        workbook.Open(extract::NewExportPath(), batch::BatchTitle("bench.txt"));
        const std::atomic<bool> cancel = false;
        found =
            batch::RunBatch(
                lines, services, options, cancel,
                [&](const batch::BatchLine& line, const batch::CodeResult& result) { workbook.Add(line, result); }, {})
                .found;
        platform::RemoveFile(workbook.Close());
        server.Reset(); // the request log would grow with every run
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["found"] = static_cast<double>(found);
    state.counters["peak_rss_kb"] = static_cast<double>(PeakRssKb());
}
BENCHMARK(BM_BatchCheck)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

BENCHMARK_MAIN();
