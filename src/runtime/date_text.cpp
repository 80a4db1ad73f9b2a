#include "runtime/date_text.h"

#include <array>
#include <cctype>
#include <vector>

#include "runtime/environment.h"

namespace qvz::runtime {
namespace {

char FieldLetter(char c) {
  const char cLower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return (cLower == 'd' || cLower == 'm' || cLower == 'y') ? cLower : '\0';
}

int FieldValue(char cField, const Date& dDate) {
  switch (cField) {
    case 'd': return DAY(dDate);
    case 'm': return MONTH(dDate);
    default: return YEAR(dDate);
  }
}

// The last nWidth digits of the value, with leading zeros.
std::string Digits(int nValue, std::size_t nWidth) {
  std::string cDigits(nWidth, '0');
  for (std::size_t i = nWidth; i > 0 && nValue > 0; --i, nValue /= 10)
    cDigits[i - 1] = static_cast<char>('0' + nValue % 10);
  return cDigits;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct DigitGroup {
  int nValue;
  std::size_t nDigits;
};

// More digits than any field can hold make the text name no date.
constexpr std::size_t kMaxDigits = 9;

std::vector<DigitGroup> DigitGroups(const std::string& cText, std::size_t nWanted) {
  std::vector<DigitGroup> aGroups;
  std::size_t i = 0;
  while (aGroups.size() < nWanted) {
    while (i < cText.size() && !IsDigit(cText[i])) ++i;
    if (i == cText.size()) break;
    DigitGroup group{0, 0};
    for (; i < cText.size() && IsDigit(cText[i]); ++i, ++group.nDigits)
      if (group.nDigits < kMaxDigits) group.nValue = group.nValue * 10 + (cText[i] - '0');
    aGroups.push_back(group);
  }
  return aGroups;
}

int YearWithEpoch(const DigitGroup& year) {
  if (year.nDigits > 2) return year.nValue;
  const int nEpoch = static_cast<int>(SET(SetItem::Epoch).AsInteger());
  const int nYear = nEpoch / 100 * 100 + year.nValue;
  return nYear < nEpoch ? nYear + 100 : nYear;
}

}  // namespace

std::string DTOC(const Date& dDate) {
  const std::string cFormat = SET(SetItem::DateFormat).AsText();
  std::string cText;
  for (std::size_t i = 0; i < cFormat.size();) {
    const char cField = FieldLetter(cFormat[i]);
    if (!cField) {
      cText += cFormat[i++];
      continue;
    }
    std::size_t nWidth = 0;
    for (; i < cFormat.size() && FieldLetter(cFormat[i]) == cField; ++i) ++nWidth;
    cText += dDate.IsEmpty() ? std::string(nWidth, ' ') : Digits(FieldValue(cField, dDate), nWidth);
  }
  return cText;
}

Date CTOD(const std::string& cText) {
  // The order of the fields is that of their first letters in the format.
  std::string cOrder;
  for (char c : SET(SetItem::DateFormat).AsText()) {
    const char cField = FieldLetter(c);
    if (cField && cOrder.find(cField) == std::string::npos) cOrder += cField;
  }
  if (cOrder.size() != 3) return Date();

  const auto aGroups = DigitGroups(cText, 3);
  if (aGroups.size() != 3) return Date();
  std::array<int, 3> aDMY{};  // day, month, year
  for (std::size_t i = 0; i < 3; ++i) {
    if (aGroups[i].nDigits > kMaxDigits) return Date();
    switch (cOrder[i]) {
      case 'd': aDMY[0] = aGroups[i].nValue; break;
      case 'm': aDMY[1] = aGroups[i].nValue; break;
      default: aDMY[2] = YearWithEpoch(aGroups[i]);
    }
  }
  return Date::FromDMY(aDMY[0], aDMY[1], aDMY[2]);
}

}  // namespace qvz::runtime
