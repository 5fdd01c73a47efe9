// The engine library exports the public functions by name and nothing else,
// and the Windows export file pins each function to its ordinal.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>

namespace {

// Ordinal and name of every exported function. DO NOT CHANGE: programs bind
// the ordinals.
const std::map<int, std::string> kOrdinals = {
    {1, "PhxCreateStopMemory"},     {2, "PhxCreateDocumentMemory"},
    {3, "PhxActivateHTMLFilter"},   {4, "PhxActivateEmailFilter"},
    {5, "PhxAddStopWord"},          {6, "PhxAddStopPhrase"},
    {7, "PhxReadDocumentBuffer"},   {8, "PhxSignalDocumentEnd"},
    {9, "PhxGetPhraseListSize"},    {10, "PhxGetPhraseByIndex"},
    {11, "PhxGetErrorMessage"},     {12, "PhxClearStopMemory"},
    {13, "PhxClearDocumentMemory"}, {14, "PhxGetScoreByIndex"},
    {15, "PhxSetDocumentLanguage"}, {16, "PhxGetDocumentLanguage"},
    {17, "PhxSetNumberPhrases"},    {18, "PhxSetInputCode"},
    {19, "PhxSetOutputCode"},       {20, "PhxActivateHighlights"},
    {21, "PhxSetHighlightType"},    {22, "PhxGetHighlightListSize"},
    {23, "PhxGetHighlightByIndex"}, {24, "PhxGetDocumentProperties"},
    {25, "PhxAddGoPhrase"},         {26, "PhxDeactivateTextFilter"},
};

std::set<std::string> public_names() {
  std::set<std::string> names;
  for (const auto& [ordinal, name] : kOrdinals) names.insert(name);
  return names;
}

TEST(Exports, TheLibraryExportsExactlyThePublicFunctions) {
  const std::string command = std::string("nm -D --defined-only ") + PHX_API_LIBRARY;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  ASSERT_NE(pipe, nullptr);
  std::set<std::string> exported;
  std::array<char, 512> line{};
  while (fgets(line.data(), line.size(), pipe.get()) != nullptr) {
    // "<address> <type> <name>"; only code and data symbols are exports.
    std::string text(line.data());
    std::smatch match;
    if (std::regex_search(text, match, std::regex(R"(^\S+\s+([A-Za-z])\s+(\S+))"))) {
      const std::string type = match[1];
      if (type == "T" || type == "D" || type == "B" || type == "R" || type == "W" || type == "V") {
        exported.insert(match[2]);
      }
    }
  }
  EXPECT_EQ(exported, public_names());
}

TEST(Exports, TheWindowsExportFileGivesEveryFunctionItsOrdinal) {
  std::ifstream def(PHX_API_DEF_FILE);
  ASSERT_TRUE(def) << PHX_API_DEF_FILE;
  std::map<int, std::string> listed;
  std::string line;
  const std::regex entry(R"(^\s+(\w+)\s+@(\d+)\s*$)");
  while (std::getline(def, line)) {
    std::smatch match;
    if (std::regex_match(line, match, entry)) listed[std::stoi(match[2])] = match[1];
  }
  EXPECT_EQ(listed, kOrdinals);
}

}  // namespace
