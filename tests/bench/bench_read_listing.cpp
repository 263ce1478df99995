// ReadListing on a full listing that carries every keyword of the reader's
// tables once (about 4.7 KB), in read mode and in check mode.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/ansi_text.h"
#include "settings/listing_reader.h"
#include "settings/listing_reader_test_support.h"
#include "settings/settings_store.h"

namespace {

using vostrel::ListingMode;
using vostrel::SettingsStore;

void ReadFullListing(benchmark::State& state, ListingMode mode) {
  SettingsStore store;
  const std::wstring text = vostrel::AnsiToWide(vostrel::testing::kFullListing);
  store.textBuffer = text;
  vostrel::ReadListing(store, mode);
  for (const vostrel::SettingItem& item : store.slots) {
    if (item.invalid != 0) {
      state.SkipWithError("the full listing has a rejected value");
      return;
    }
  }
  for (auto _ : state) {
    store.textBuffer = text;
    vostrel::ReadListing(store, mode);
    benchmark::DoNotOptimize(store.slots.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

void BM_ReadListingReadMode(benchmark::State& state) { ReadFullListing(state, ListingMode::Read); }
void BM_ReadListingCheckMode(benchmark::State& state) { ReadFullListing(state, ListingMode::Check); }

BENCHMARK(BM_ReadListingReadMode);
BENCHMARK(BM_ReadListingCheckMode);

}  // namespace

BENCHMARK_MAIN();
