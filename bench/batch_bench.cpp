// How fast a batch runs: rows per second through CSV reading, the Calculate
// pipeline and the CSV or JSON writing, from memory to a discarding stream.
// The file is built before the timing starts.

#include <benchmark/benchmark.h>

#include <istream>
#include <ostream>
#include <streambuf>
#include <string>

#include "bench/batch_rows.hpp"
#include "cli/batch.hpp"

namespace ferricalc::bench {
namespace {

constexpr std::size_t kRows = 1'000'000;

// Reads a string in place, without a copy per run.
class MemoryInput : public std::streambuf {
public:
    explicit MemoryInput(const std::string& text)
    {
        char* begin = const_cast<char*>(text.data());
        setg(begin, begin, begin + text.size());
    }
};

// Counts what is written and keeps none of it.
class CountingSink : public std::streambuf {
public:
    std::size_t bytes = 0;

protected:
    int_type overflow(int_type c) override
    {
        ++bytes;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize count) override
    {
        bytes += static_cast<std::size_t>(count);
        return count;
    }
};

const std::string& ringFile()
{
    static const std::string csv = [] {
        std::string text(kRingHeader);
        appendRingRows(text, kRows);
        return text;
    }();
    return csv;
}

// The standard cores of every type in turn, under one header.
const std::string& mixedFile()
{
    static const std::string csv = [] {
        const MixedRows mix;
        std::string text = mix.header();
        mix.append(text, 0, kRows);
        return text;
    }();
    return csv;
}

void runBatchOver(benchmark::State& state, const std::string& csv, const OutputOptions& options)
{
    std::size_t written = 0;
    for (auto _ : state) {
        MemoryInput input(csv);
        std::istream in(&input);
        CountingSink sink;
        std::ostream out(&sink);
        std::ostream err(&sink);
        benchmark::DoNotOptimize(runBatch(in, out, err, options));
        written = sink.bytes;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRows));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * csv.size()));
    state.counters["output_bytes"] = static_cast<double>(written);
}

void RingRowsToCsv(benchmark::State& state) { runBatchOver(state, ringFile(), {}); }
void RingRowsToJson(benchmark::State& state) { runBatchOver(state, ringFile(), {.json = true}); }
void RingRowsWithExactValues(benchmark::State& state) { runBatchOver(state, ringFile(), {.exact = true}); }
void MixedCoreRowsToCsv(benchmark::State& state) { runBatchOver(state, mixedFile(), {}); }

BENCHMARK(RingRowsToCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(RingRowsToJson)->Unit(benchmark::kMillisecond);
BENCHMARK(RingRowsWithExactValues)->Unit(benchmark::kMillisecond);
BENCHMARK(MixedCoreRowsToCsv)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ferricalc::bench

BENCHMARK_MAIN();
