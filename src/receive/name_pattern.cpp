#include "receive/name_pattern.h"

#include <cctype>
#include <cstdio>

#include "protocol/image_name.h"

namespace qvz::receive {
namespace {

constexpr int kWidestNumber = 9;

std::string Trimmed(const std::string& c) {
  const auto nFirst = c.find_first_not_of(" \t");
  if (nFirst == std::string::npos) return {};
  return c.substr(nFirst, c.find_last_not_of(" \t") - nFirst + 1);
}

}  // namespace

std::optional<NamePattern> NamePattern::Parse(const std::string& cPattern) {
  const auto nPercent = cPattern.find('%');
  if (nPercent == std::string::npos || cPattern.find('/') != std::string::npos) return std::nullopt;
  NamePattern o;
  std::size_t nEnd = nPercent + 1;
  if (nEnd < cPattern.size() && cPattern[nEnd] == '0') {
    std::size_t nDigits = ++nEnd;
    while (nEnd < cPattern.size() && std::isdigit(static_cast<unsigned char>(cPattern[nEnd]))) ++nEnd;
    if (nEnd == nDigits || nEnd - nDigits > 1) return std::nullopt;
    o.nWidth = cPattern[nDigits] - '0';
    if (o.nWidth == 0 || o.nWidth > kWidestNumber) return std::nullopt;
  }
  if (nEnd >= cPattern.size() || cPattern[nEnd] != 'd') return std::nullopt;
  o.cBefore = cPattern.substr(0, nPercent);
  o.cAfter = cPattern.substr(nEnd + 1);
  if (o.cAfter.find('%') != std::string::npos) return std::nullopt;
  return o;
}

std::string NamePattern::Name(int n) const {
  char aNumber[32];
  std::snprintf(aNumber, sizeof aNumber, "%0*d", nWidth, n);
  return ImageFileName(cBefore + aNumber + cAfter);
}

std::string ImageFileName(const std::string& cTyped) {
  std::string c = protocol::WithImageExtension(Trimmed(cTyped));
  for (char& ch : c)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return c;
}

}  // namespace qvz::receive
