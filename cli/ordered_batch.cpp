#include "ordered_batch.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace phraxis_cli {
namespace {

// A document that throws (memory exhausted, say) fails alone.
DocumentResult guarded(const std::function<DocumentResult(std::size_t)>& process,
                       std::size_t index) {
  try {
    return process(index);
  } catch (const std::exception& error) {
    DocumentResult result;
    result.error = error.what();
    return result;
  }
}

}  // namespace

void run_in_order(std::size_t count, int jobs,
                  const std::function<DocumentResult(std::size_t)>& process,
                  const std::function<void(std::size_t, DocumentResult&)>& emit) {
  const std::size_t threads = jobs < 1 ? 1 : std::min(static_cast<std::size_t>(jobs), count);
  if (threads <= 1) {
    for (std::size_t i = 0; i < count; ++i) {
      DocumentResult result = guarded(process, i);
      emit(i, result);
    }
    return;
  }

  const std::size_t window = 4 * threads;
  std::vector<std::optional<DocumentResult>> ready(count);
  std::mutex mutex;
  std::condition_variable changed;
  std::size_t next = 0;     // next document to start
  std::size_t emitted = 0;  // documents handed on so far

  auto worker = [&] {
    for (;;) {
      std::size_t index = 0;
      {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return next >= count || next < emitted + window; });
        if (next >= count) return;
        index = next++;
      }
      DocumentResult result = guarded(process, index);
      {
        std::lock_guard lock(mutex);
        ready[index] = std::move(result);
      }
      changed.notify_all();
    }
  };

  std::vector<std::jthread> pool;
  pool.reserve(threads);
  for (std::size_t t = 0; t < threads; ++t) pool.emplace_back(worker);

  for (std::size_t i = 0; i < count; ++i) {
    DocumentResult result;
    {
      std::unique_lock lock(mutex);
      changed.wait(lock, [&] { return ready[i].has_value(); });
      result = std::move(*ready[i]);
      ready[i].reset();
    }
    emit(i, result);
    {
      std::lock_guard lock(mutex);
      emitted = i + 1;
    }
    changed.notify_all();
  }
}

}  // namespace phraxis_cli
