// phraxis: key phrases and key sentences of text files, from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "phraxis_cli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return phraxis_cli::run(arguments, std::cout, std::cerr);
}
