#include "run_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace phx_test {

ScratchDirectory::ScratchDirectory() {
  std::random_device random;
  for (;;) {
    path_ = std::filesystem::temp_directory_path() /
            ("phx-test-" + std::to_string(::getpid()) + "-" + std::to_string(random()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path ScratchDirectory::write(const std::string& name,
                                              const std::string& content) const {
  const auto file = path_ / name;
  write_file(file, content);
  return file;
}

ProgramRun run_program(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& standard_input,
                       const std::filesystem::path& working_directory,
                       const std::vector<std::string>& environment) {
  // Standard streams go through files, so no pipe can fill up and stall.
  ScratchDirectory streams;
  const auto in_path = streams.write("stdin", standard_input);
  const auto out_path = streams.path() / "stdout";
  const auto err_path = streams.path() / "stderr";

  std::vector<std::string> argv_text{program};
  argv_text.insert(argv_text.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& argument : argv_text) argv.push_back(argument.data());
  argv.push_back(nullptr);

  std::vector<std::string> environment_text;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string setting = *entry;
    const std::string name = setting.substr(0, setting.find('='));
    bool replaced = false;
    for (const auto& own : environment) replaced = replaced || own.starts_with(name + "=");
    if (!replaced) environment_text.push_back(setting);
  }
  environment_text.insert(environment_text.end(), environment.begin(), environment.end());
  std::vector<char*> envp;
  for (auto& setting : environment_text) envp.push_back(setting.data());
  envp.push_back(nullptr);

  const pid_t child = ::fork();
  if (child == 0) {
    const int in = ::open(in_path.c_str(), O_RDONLY);
    const int out = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 ||
        ::dup2(err, 2) < 0 || ::chdir(working_directory.c_str()) != 0) {
      ::_exit(127);
    }
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  ProgramRun run;
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    run.exit_status = WEXITSTATUS(status);
  }
  run.out = read_file(out_path);
  run.err = read_file(err_path);
  return run;
}

}  // namespace phx_test
