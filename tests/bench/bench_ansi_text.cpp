// The conversion pair both ways, on one short line (what a page control or a
// fuzz input converts) and on a full listing of about 4.7 KB (what a read from
// the printer or a file converts).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ansi_text.h"
#include "settings/listing_reader_test_support.h"

namespace {

constexpr std::string_view kShortLine = "PRINTER NAME=\x83\x65\x83\x58\x83\x67\r\n";  // katakana in CP932

void ConvertToWide(benchmark::State& state, std::string_view text) {
  for (auto _ : state) {
    std::wstring wide = vostrel::AnsiToWide(text);
    benchmark::DoNotOptimize(wide.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

void ConvertToAnsi(benchmark::State& state, std::string_view text) {
  const std::wstring wide = vostrel::AnsiToWide(text);
  for (auto _ : state) {
    std::string narrow = vostrel::WideToAnsi(wide);
    benchmark::DoNotOptimize(narrow.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

void BM_AnsiToWideShortLine(benchmark::State& state) { ConvertToWide(state, kShortLine); }
void BM_AnsiToWideFullListing(benchmark::State& state) { ConvertToWide(state, vostrel::testing::kFullListing); }
void BM_WideToAnsiShortLine(benchmark::State& state) { ConvertToAnsi(state, kShortLine); }
void BM_WideToAnsiFullListing(benchmark::State& state) { ConvertToAnsi(state, vostrel::testing::kFullListing); }

BENCHMARK(BM_AnsiToWideShortLine);
BENCHMARK(BM_AnsiToWideFullListing);
BENCHMARK(BM_WideToAnsiShortLine);
BENCHMARK(BM_WideToAnsiFullListing);

}  // namespace

BENCHMARK_MAIN();
