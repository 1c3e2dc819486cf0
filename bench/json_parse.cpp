// Parser throughput on generated documents of about 1 MB and 10 MB, side by side with the public cJSON
// library on the same bytes: Kvilo with code page -1 (strings stay UTF-8, as cJSON keeps them), Kvilo with
// code page 1251 (every non-ASCII string converted), and cJSON. Each iteration parses and deletes the tree.
//
//   build/bench/json_parse --benchmark_min_time=2
#include <benchmark/benchmark.h>
#include <cjson/cJSON.h>

#include <cmath>
#include <cstdio>
#include <deque>
#include <random>
#include <string>

#include "json/json_parser.h"

namespace {

using kvilo::json::JsonTree;
using kvilo::json::ParseJson;
using kvilo::json::TJsonParser;

// Suggestion-like entries: nested objects, Cyrillic names and addresses, numbers, nulls.
std::string Suggestions(size_t target) {
    std::string out = "{\"suggestions\":[";
    for (int i = 0; out.size() < target; ++i) {
        if (i > 0) out += ',';
        const std::string n = std::to_string(i);
        out += "{\"value\":\"ООО \\\"Ромашка-" + n +
               "\\\"\",\"unrestricted_value\":\"Общество с ограниченной "
               "ответственностью \\\"Ромашка-" +
               n + "\\\"\",\"data\":{\"kpp\":\"7736010" + n +
               "\",\"capital\":null,\"management\":{\"name\":\"Иванов Иван Иванович\",\"post\":\"ГЕНЕРАЛЬНЫЙ "
               "ДИРЕКТОР\",\"disqualified\":null},\"branch_type\":\"MAIN\",\"branch_count\":" +
               n +
               ",\"type\":\"LEGAL\",\"state\":{\"status\":\"ACTIVE\",\"actuality_date\":1737331200000,"
               "\"registration_date\":677376000000,\"liquidation_date\":null},\"inn\":\"77070838" +
               n +
               "\",\"ogrn\":\"1027700132195\",\"okved\":\"64.19\",\"address\":{\"value\":\"г Москва, ул "
               "Вавилова, д " +
               n +
               "\",\"data\":{\"postal_code\":\"117312\",\"city\":\"Москва\",\"geo_lat\":"
               "\"55.7002\",\"geo_lon\":\"37.5855\",\"qc\":\"0\"}}}}";
    }
    return out + "]}";
}

// Numbers in several notations.
std::string Numbers(size_t target) {
    std::string out = "[";
    char buffer[64];
    for (int i = 0; out.size() < target; ++i) {
        if (i > 0) out += ',';
        switch (i % 4) {
        case 0:
            std::snprintf(buffer, sizeof buffer, "%d", i * 37 - 100000);
            break;
        case 1:
            std::snprintf(buffer, sizeof buffer, "%.6f", i * 0.731);
            break;
        case 2:
            std::snprintf(buffer, sizeof buffer, "%de%d", i % 97 + 1, i % 30 - 15);
            break;
        default:
            std::snprintf(buffer, sizeof buffer, "-%d.25E+3", i % 1000);
            break;
        }
        out += buffer;
    }
    return out + "]";
}

// Number-heavy: arrays of numbers as measurements come, integers of up to ten digits, decimals with all the
// digits a double carries, and exponents far out either way.
std::string NumberArrays(size_t target) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::string out = "[";
    char buffer[64];
    for (int i = 0; out.size() < target; ++i) {
        out += i > 0 ? ",[" : "[";
        for (int k = 0; k < 12; ++k) {
            if (k > 0) out += ',';
            switch (k % 3) {
            case 0:
                std::snprintf(buffer, sizeof buffer, "%lld",
                              static_cast<long long>(random() % 20000000000ULL) - 10000000000LL);
                break;
            case 1:
                std::snprintf(buffer, sizeof buffer, "%.17g", unit(random) * 1000);
                break;
            default:
                std::snprintf(buffer, sizeof buffer, "%.6e",
                              unit(random) * std::pow(10.0, static_cast<int>(random() % 200) - 100));
                break;
            }
            out += buffer;
        }
        out += ']';
    }
    return out + "]";
}

// Chunks nested 500 levels deep, objects and arrays alternating.
std::string Nested(size_t target) {
    std::string chunk;
    for (int level = 0; level < 250; ++level)
        chunk += "{\"level\":[";
    chunk += "\"deepest\"";
    for (int level = 0; level < 250; ++level)
        chunk += "]}";
    std::string out = "[";
    for (int i = 0; out.size() < target; ++i) {
        if (i > 0) out += ',';
        out += chunk;
    }
    return out + "]";
}

void KviloParse(benchmark::State& state, const std::string& text, int codePage) {
    TJsonParser parser;
    for (auto _ : state) {
        JsonTree root = ParseJson(parser, text, codePage);
        if (!root) state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(root.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void CJsonParse(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        cJSON* root = cJSON_ParseWithLength(text.data(), text.size());
        if (root == nullptr) state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(root);
        cJSON_Delete(root);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void RegisterAll() {
    struct Kind {
        const char* name;
        std::string (*make)(size_t);
    };
    static const Kind kinds[] = {
        {"suggestions", Suggestions}, {"numbers", Numbers}, {"number_arrays", NumberArrays}, {"nested", Nested}};
    static const struct {
        const char* name;
        size_t bytes;
    } sizes[] = {{"1MB", 1u << 20}, {"10MB", 10u << 20}};
    for (const Kind& kind : kinds) {
        for (const auto& size : sizes) {
            // The documents live as long as the program; each benchmark reads its own.
            static std::deque<std::string> documents;
            const std::string* text = &documents.emplace_back(kind.make(size.bytes));
            const std::string label = std::string(kind.name) + "/" + size.name;
            benchmark::RegisterBenchmark(("kvilo_cp-1/" + label).c_str(), [text](benchmark::State& s) {
                KviloParse(s, *text, -1);
            })->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("kvilo_cp1251/" + label).c_str(), [text](benchmark::State& s) {
                KviloParse(s, *text, 1251);
            })->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("cjson/" + label).c_str(), [text](benchmark::State& s) {
                CJsonParse(s, *text);
            })->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
