// Set-up costs: making and clearing the two memories, and the term table
// operations that carry almost every word the engine reads.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "api/document_memory.h"
#include "containers/term_table.h"
#include "phx_api.h"

namespace {

void BM_CreateAndClearDocumentMemory(benchmark::State& state) {
  for (auto _ : state) {
    DocumentMemory* doc = nullptr;
    PhxCreateDocumentMemory(&doc);
    benchmark::DoNotOptimize(doc);
    PhxClearDocumentMemory(doc);
  }
  state.counters["record_bytes"] = static_cast<double>(sizeof(DocumentMemory));
}
BENCHMARK(BM_CreateAndClearDocumentMemory);

void BM_CreateAndClearStopMemory(benchmark::State& state) {
  for (auto _ : state) {
    StopMemory* stop = nullptr;
    PhxCreateStopMemory(&stop);
    benchmark::DoNotOptimize(stop);
    PhxClearStopMemory(stop);
  }
}
BENCHMARK(BM_CreateAndClearStopMemory)->Unit(benchmark::kMillisecond);

std::vector<std::string> words(int count) {
  std::vector<std::string> keys;
  keys.reserve(count);
  for (int i = 0; i < count; ++i) keys.push_back("word" + std::to_string(i * 7919));
  return keys;
}

void BM_TermTablePutInt(benchmark::State& state) {
  const auto keys = words(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    phx::TextTable table(phx::kDocumentTableBuckets);
    for (const auto& key : keys) table.put_int(key, 1);
    benchmark::DoNotOptimize(table.entry_count);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TermTablePutInt)->Arg(1000)->Arg(30000);

void BM_TermTableGetInt(benchmark::State& state) {
  const auto keys = words(static_cast<int>(state.range(0)));
  phx::TextTable table(phx::kDocumentTableBuckets);
  for (const auto& key : keys) table.put_int(key, 1);
  for (auto _ : state) {
    std::int32_t sum = 0;
    for (const auto& key : keys) {
      std::int32_t value = 0;
      table.get_int(key, &value);
      sum += value;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TermTableGetInt)->Arg(1000)->Arg(30000);

}  // namespace
