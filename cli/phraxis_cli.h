// The phraxis command: parse the command line, load the word lists once,
// read every document (on several threads with -j) and write the results in
// input order. main() is a thin shell around run().
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace phraxis_cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDocumentFailed = 1;
inline constexpr int kExitUsage = 2;

// `arguments` excludes the program name. Standard input is read for "-".
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace phraxis_cli
