// Results come out in input order whatever order the threads finish in.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "ordered_batch.h"

namespace {

using phraxis_cli::DocumentResult;

TEST(OrderedBatch, InputOrderForEveryThreadCount) {
  constexpr std::size_t kDocuments = 40;
  for (int jobs : {1, 2, 3, 8, 100}) {
    std::vector<std::size_t> emitted;
    std::atomic<int> running{0};
    std::atomic<int> most_running{0};
    phraxis_cli::run_in_order(
        kDocuments, jobs,
        [&](std::size_t index) {
          const int now = ++running;
          int seen = most_running.load();
          while (now > seen && !most_running.compare_exchange_weak(seen, now)) {
          }
          // Early documents take longest, so later ones finish first.
          std::this_thread::sleep_for(std::chrono::microseconds((kDocuments - index) * 50));
          --running;
          DocumentResult result;
          result.file = std::to_string(index);
          return result;
        },
        [&](std::size_t index, DocumentResult& result) {
          EXPECT_EQ(result.file, std::to_string(index));
          emitted.push_back(index);
        });
    ASSERT_EQ(emitted.size(), kDocuments) << jobs;
    for (std::size_t i = 0; i < kDocuments; ++i) EXPECT_EQ(emitted[i], i);
    EXPECT_LE(most_running.load(), jobs);
  }
}

TEST(OrderedBatch, ThrowingDocumentFailsAlone) {
  std::vector<std::string> errors;
  phraxis_cli::run_in_order(
      3, 2,
      [](std::size_t index) -> DocumentResult {
        if (index == 1) throw std::runtime_error("out of memory");
        return DocumentResult{};
      },
      [&](std::size_t, DocumentResult& result) { errors.push_back(result.error); });
  EXPECT_EQ(errors, (std::vector<std::string>{"", "out of memory", ""}));
}

TEST(OrderedBatch, NoDocuments) {
  int calls = 0;
  phraxis_cli::run_in_order(
      0, 4, [&](std::size_t) { ++calls; return DocumentResult{}; },
      [&](std::size_t, DocumentResult&) { ++calls; });
  EXPECT_EQ(calls, 0);
}

}  // namespace
