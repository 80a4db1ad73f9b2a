#include "util/email_form.h"

#include <algorithm>
#include <string_view>

#include "util/blanks.h"
#include "util/characters.h"

namespace qvz::util {
namespace {

bool IsAddressCharacter(char c) {
  return IsLetter(c) || IsDigit(c) || std::string_view("._-'").find(c) != std::string_view::npos;
}

bool IsDotSeparatedWords(std::string_view cPart) {
  return !cPart.empty() && cPart.front() != '.' && cPart.back() != '.' &&
         cPart.find("..") == std::string_view::npos &&
         std::ranges::all_of(cPart, IsAddressCharacter);
}

}  // namespace

// Checking only which characters occur would let "a@b@c.it", ".@x" and
// "a.b@" through, so where the "@" and the dots stand is checked too.
bool ISEMAIL(const std::string& cMail) {
  std::string_view cAddress = WithoutTrailingBlanks(cMail);
  std::size_t nAt = cAddress.find('@');
  if (nAt == std::string_view::npos) return false;
  std::string_view cLocalPart = cAddress.substr(0, nAt);
  std::string_view cDomain = cAddress.substr(nAt + 1);
  return IsDotSeparatedWords(cLocalPart) && IsDotSeparatedWords(cDomain) &&
         cDomain.find('.') != std::string_view::npos;
}

}  // namespace qvz::util
