#pragma once
// The command line: qvz-compare FIRST SECOND [MORE...] [--merge OUT]

#include <optional>
#include <string>
#include <vector>

namespace qvz::compare {

inline constexpr const char* kUsage = "usage: qvz-compare FIRST SECOND [MORE...] [--merge OUT]";

struct CompareOptions {
  std::vector<std::string> aImages;
  std::optional<std::string> cMergeOut;
  bool lHelp = false;
};

// Throws BadInput, naming what is wrong, for a command line that does not
// fit the usage.
CompareOptions ParseOptions(const std::vector<std::string>& aArgs);

}  // namespace qvz::compare
