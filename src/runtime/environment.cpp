#include "runtime/environment.h"

#include <array>
#include <cctype>
#include <string>

namespace qvz::runtime {
namespace {

enum class Kind { Logical, Number, Text, FileCase };

struct Setting {
  Kind eKind;
  Value xValue;
};

// Indexed by SetItem. The values before start-up are the run time's own
// defaults; the start-up procedure replaces most of them.
std::array<Setting, 9>& Settings() {
  static std::array<Setting, 9> aSettings{{
      {Kind::Text, Value("")},          // DefaultDriver
      {Kind::Text, Value("")},          // MemoExtension
      {Kind::Number, Value(0)},         // DbfLockScheme
      {Kind::Logical, Value(false)},    // Confirm
      {Kind::Text, Value("mm/dd/yy")},  // DateFormat
      {Kind::Logical, Value(false)},    // Deleted
      {Kind::Number, Value(1900)},      // Epoch
      {Kind::FileCase, Value("MIXED")}, // FileCase
      {Kind::Number, Value(0)},         // Margin
  }};
  static_assert(static_cast<std::size_t>(SetItem::Margin) + 1 == 9, "one setting for each item");
  return aSettings;
}

std::string Upper(std::string cText) {
  for (char& c : cText) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return cText;
}

std::optional<bool> ReadLogical(const Value& xValue) {
  if (xValue.IsLogical()) return xValue.IsTrue();
  if (!xValue.IsText()) return std::nullopt;
  const std::string cWord = Upper(xValue.AsText());
  if (cWord.starts_with("ON")) return true;
  if (cWord.starts_with("OFF")) return false;
  return std::nullopt;
}

std::optional<Value> Accepted(Kind eKind, const Value& xValue) {
  switch (eKind) {
    case Kind::Logical:
      if (auto l = ReadLogical(xValue)) return Value(*l);
      return std::nullopt;
    case Kind::Number:
      if (xValue.IsNumber()) return xValue;
      return std::nullopt;
    case Kind::Text:
      if (xValue.IsText()) return xValue;
      return std::nullopt;
    case Kind::FileCase: {
      const std::string cCase = Upper(xValue.AsText());
      if (cCase == "MIXED" || cCase == "UPPER" || cCase == "LOWER") return Value(cCase);
      return std::nullopt;
    }
  }
  return std::nullopt;
}

// The year run of a date format: where its first "y" starts and how long it is.
struct YearRun {
  std::size_t nStart;
  std::size_t nLength;
};

std::optional<YearRun> FindYearRun(const std::string& cFormat) {
  const std::size_t nStart = cFormat.find_first_of("yY");
  if (nStart == std::string::npos) return std::nullopt;
  const std::size_t nEnd = cFormat.find_first_not_of("yY", nStart);
  return YearRun{nStart, (nEnd == std::string::npos ? cFormat.size() : nEnd) - nStart};
}

}  // namespace

Value SET(SetItem eItem, const std::optional<Value>& xValue) {
  Setting& setting = Settings()[static_cast<std::size_t>(eItem)];
  Value xPrevious = setting.xValue;
  if (xValue) {
    if (auto xNew = Accepted(setting.eKind, *xValue)) setting.xValue = std::move(*xNew);
  }
  return xPrevious;
}

bool SETCENTURY(const std::optional<Value>& xValue) {
  std::string cFormat = SET(SetItem::DateFormat).AsText();
  const auto run = FindYearRun(cFormat);
  const bool lPrevious = run && run->nLength >= 4;
  const auto lNew = xValue ? ReadLogical(*xValue) : std::nullopt;
  if (run && lNew && *lNew != lPrevious) {
    cFormat.replace(run->nStart, run->nLength, *lNew ? "yyyy" : "yy");
    SET(SetItem::DateFormat, Value(std::move(cFormat)));
  }
  return lPrevious;
}

}  // namespace qvz::runtime
