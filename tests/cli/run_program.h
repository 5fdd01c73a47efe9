// Runs a built program the way a user would: in a working directory, with
// given standard input, capturing standard output, standard error and the
// exit status. Used by the golden-file tests of phx_demo and phraxis.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/golden.h"

namespace phx_test {

struct ProgramRun {
  int exit_status = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// `environment` holds NAME=VALUE settings added to (or replacing) the
// test's own environment.
ProgramRun run_program(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& standard_input,
                       const std::filesystem::path& working_directory,
                       const std::vector<std::string>& environment = {});

// A fresh, empty directory under the system's temporary directory, removed
// again when the object goes.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `content` to `name` inside the directory and returns its path.
  std::filesystem::path write(const std::string& name, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

}  // namespace phx_test
