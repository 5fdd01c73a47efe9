// Files and golden files for the tests. A golden file holds the exact output
// a test expects; after a deliberate change, PHX_UPDATE_GOLDEN=1 in the
// environment makes the tests rewrite their golden files instead of
// comparing (review the difference before committing it).
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace phx_test {

inline std::string read_file(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

inline void write_file(const std::filesystem::path& path, const std::string& content) {
  std::ofstream file(path, std::ios::binary);
  file << content;
}

inline bool updating_golden_files() {
  const char* update = std::getenv("PHX_UPDATE_GOLDEN");
  return update != nullptr && std::string(update) == "1";
}

// Compares `actual` with the golden file, or rewrites the file when golden
// files are being updated. Returns an empty string when they agree, else a
// description of the first difference.
inline std::string compare_with_golden(const std::filesystem::path& golden,
                                       const std::string& actual) {
  if (updating_golden_files()) {
    std::filesystem::create_directories(golden.parent_path());
    write_file(golden, actual);
    return {};
  }
  if (!std::filesystem::exists(golden)) {
    return "missing golden file " + golden.string() + " (run with PHX_UPDATE_GOLDEN=1)";
  }
  const std::string expected = read_file(golden);
  if (expected == actual) return {};
  std::size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  const std::size_t from = at > 80 ? at - 80 : 0;
  return "output differs from " + golden.string() + " at byte " + std::to_string(at) +
         "\n--- expected ---\n" + expected.substr(from, 240) + "\n--- actual ---\n" +
         actual.substr(from, 240) + "\n(run with PHX_UPDATE_GOLDEN=1 after a deliberate change)";
}

}  // namespace phx_test
