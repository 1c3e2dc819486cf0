// Throughput of the conversions that the JSON parser and the exports run over every text.
#include <benchmark/benchmark.h>
#include <string>

#include "base/code_page.h"
#include "text/encoders.h"
#include "text/format_text.h"

namespace {

std::string CyrillicUtf8(size_t bytes) {
    std::string unit = "\xD0\x9E\xD0\x9E\xD0\x9E \"\xD0\xA0\xD0\xBE\xD0\xBC\xD0\xB0\xD1\x88\xD0\xBA\xD0\xB0\" ";
    std::string text;
    while (text.size() < bytes)
        text += unit;
    return text;
}

void Utf8ToAnsi(benchmark::State& state) {
    std::string text = CyrillicUtf8(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(kvilo::base::Utf8ToAnsi(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(Utf8ToAnsi)->Arg(1 << 20);

void AnsiToUtf8(benchmark::State& state) {
    std::string text = kvilo::base::Utf8ToAnsi(CyrillicUtf8(static_cast<size_t>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(kvilo::base::AnsiToUtf8(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(AnsiToUtf8)->Arg(1 << 20);

void Base64RoundTrip(benchmark::State& state) {
    std::string bytes(static_cast<size_t>(state.range(0)), 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(kvilo::text::Base64Decode(kvilo::text::Base64Encode(bytes)));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(Base64RoundTrip)->Arg(1 << 20);

void FormatTrace(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kvilo::text::FormatText("[cJSON] %s at %i (%x)", {"bad  ", 42, 256}));
}
BENCHMARK(FormatTrace);

} // namespace

BENCHMARK_MAIN();
