#include "compare/compare_options.h"

#include "compare/compare_error.h"

namespace qvz::compare {
namespace {

constexpr std::size_t kMergeMinimum = 3;

[[noreturn]] void Refuse(const std::string& cWhy) { throw BadInput(cWhy + "; " + kUsage); }

}  // namespace

CompareOptions ParseOptions(const std::vector<std::string>& aArgs) {
  CompareOptions oOptions;
  for (std::size_t i = 0; i < aArgs.size(); ++i) {
    const std::string& cArg = aArgs[i];
    if (cArg == "--help" || cArg == "-h") {
      oOptions.lHelp = true;
    } else if (cArg == "--merge") {
      if (oOptions.cMergeOut) Refuse("--merge given twice");
      if (i + 1 == aArgs.size() || aArgs[i + 1].empty()) Refuse("--merge needs the name of the image to write");
      oOptions.cMergeOut = aArgs[++i];
    } else if (cArg.rfind("--", 0) == 0) {
      Refuse("unknown option " + cArg);
    } else if (cArg.empty()) {
      Refuse("an empty image name");
    } else {
      oOptions.aImages.push_back(cArg);
    }
  }
  if (oOptions.lHelp) return oOptions;
  if (oOptions.aImages.size() < 2) Refuse("two or more images are needed");
  if (oOptions.cMergeOut && oOptions.aImages.size() < kMergeMinimum) Refuse("--merge needs three or more images");
  return oOptions;
}

}  // namespace qvz::compare
