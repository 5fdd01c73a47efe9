// Replays a committed fuzzing corpus through its fuzz target, so that every
// ordinary test run exercises it without libFuzzer.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(FuzzCorpus, EveryInputRunsCleanly) {
  const std::filesystem::path corpus =
      std::filesystem::path(PHX_SOURCE_DIR) / "fuzz" / "corpus" / PHX_FUZZ_CORPUS;
  ASSERT_TRUE(std::filesystem::is_directory(corpus));
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                     bytes.size()),
              0);
    ++replayed;
  }
  EXPECT_GT(replayed, 0);
}

}  // namespace
