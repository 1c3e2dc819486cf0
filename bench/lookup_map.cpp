// Parse, map and sort of one 20-entry party answer, as every lookup does it: the time per lookup that the
// program adds to the transfer.
#include <benchmark/benchmark.h>

#include <string>

#include "core/lookup/party_answer.h"
#include "party_dataset.h"
#include "json/json_mapping.h"

namespace {

// The first 20 entries of the fake services' dataset, in the real answer's shape.
std::string TwentyEntryAnswer() {
    std::string text = kvilo::json::ReadWholeFile(KVILO_FAKE_PARTIES);
    auto items = kvilo::fake::SplitSuggestions(text);
    std::string answer = "{\"suggestions\":[";
    for (size_t i = 0; i < 20 && i < items.size(); ++i)
        answer += (i ? "," : "") + std::string(items[i]);
    return answer + "]}";
}

void LookupMap(benchmark::State& state) {
    const std::string answer = TwentyEntryAnswer();
    for (auto _ : state) {
        kvilo::lookup::PartyRows rows;
        int items = kvilo::lookup::MapAnswer(answer, rows);
        benchmark::DoNotOptimize(items);
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * answer.size()));
    state.counters["answer_bytes"] = static_cast<double>(answer.size());
}
BENCHMARK(LookupMap)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
