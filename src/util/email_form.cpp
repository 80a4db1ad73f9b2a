#include "util/email_form.h"

#include <algorithm>
#include <string_view>

#include "util/blanks.h"
#include "util/characters.h"

namespace qvz::util {

// The outward form only: the characters, a "@" and a "." somewhere, no blank
// inside and no final dot. Where the "@" signs and dots stand is not looked
// at, so addresses stored by earlier versions keep passing.
bool ISEMAIL(const std::string& cMail) {
  std::string_view cAddress = WithoutTrailingBlanks(cMail);
  if (cAddress.find(' ') != std::string_view::npos || cAddress.ends_with('.')) return false;
  if (cMail.find('.') == std::string::npos || cMail.find('@') == std::string::npos) return false;
  return std::ranges::all_of(cMail, [](char c) {
    return IsLetter(c) || IsDigit(c) || std::string_view(" .@_-'").find(c) != std::string_view::npos;
  });
}

}  // namespace qvz::util
