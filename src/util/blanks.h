#pragma once
// Dropping the blanks (spaces) that fixed-width fields pad their values with.
// The views point into the text given, which must outlive them.

#include <string_view>

namespace qvz::util {

inline std::string_view WithoutTrailingBlanks(std::string_view cText) {
  return cText.substr(0, cText.find_last_not_of(' ') + 1);
}

inline std::string_view WithoutBlanksAtBothEnds(std::string_view cText) {
  std::string_view cRest = WithoutTrailingBlanks(cText);
  return cRest.substr(cRest.empty() ? 0 : cRest.find_first_not_of(' '));
}

}  // namespace qvz::util
