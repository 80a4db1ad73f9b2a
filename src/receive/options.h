#pragma once
// The command line of qvz-receive.

#include <string>
#include <variant>

namespace qvz::receive {

inline constexpr const char* kUsage =
    "usage: qvz-receive [--device PATH] [--names PATTERN] [FOLDER]\n"
    "       qvz-receive --find-device";

inline constexpr const char* kDefaultPattern = "DISK%03d";

struct Options {
  std::string cDevice;  // "" when the adapter is to be found
  std::string cPattern = kDefaultPattern;
  bool lNamesGiven = false;  // --names: every disk takes the pattern's next free name, no question
  std::string cFolder = ".";
  bool lFindDevice = false;
  bool lHelp = false;
};

// The options, or the text that tells what is wrong with the arguments.
std::variant<Options, std::string> ParseOptions(int argc, char** argv);

}  // namespace qvz::receive
