// phraxis: key phrases and key sentences of text files, from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "allocator_tuning.h"
#include "phraxis_cli.h"

int main(int argc, char** argv) {
  phraxis_cli::keep_freed_memory_for_reuse();
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return phraxis_cli::run(arguments, std::cout, std::cerr);
}
