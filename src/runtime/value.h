#pragma once
// The value kinds that framework methods and actions pass and return:
// nil, logical, number and byte string.

#include <cstdint>
#include <string>
#include <variant>

namespace qvz::runtime {

class Value {
 public:
  Value() = default;  // nil
  Value(bool lValue) : vData(lValue) {}
  Value(int nValue) : vData(static_cast<long long>(nValue)) {}
  Value(long nValue) : vData(static_cast<long long>(nValue)) {}
  Value(long long nValue) : vData(nValue) {}
  Value(unsigned nValue) : vData(static_cast<long long>(nValue)) {}
  Value(unsigned long long nValue) : vData(static_cast<long long>(nValue)) {}
  Value(double nValue) : vData(nValue) {}
  Value(std::string cValue) : vData(std::move(cValue)) {}
  Value(const char* cValue) : vData(std::string(cValue)) {}

  bool IsNil() const { return std::holds_alternative<std::monostate>(vData); }
  bool IsLogical() const { return std::holds_alternative<bool>(vData); }
  bool IsNumber() const {
    return std::holds_alternative<long long>(vData) || std::holds_alternative<double>(vData);
  }
  bool IsText() const { return std::holds_alternative<std::string>(vData); }

  // The logical value; false for anything that is not a logical true.
  bool IsTrue() const { return IsLogical() && std::get<bool>(vData); }
  // The number, fractions cut off; 0 for a value that is not a number.
  long long AsInteger() const;
  double AsDouble() const;
  // The text; empty for a value that is not a text.
  const std::string& AsText() const;

  // The integer a window or dialog procedure returns for this value: a number
  // with its fraction cut off, a logical as 1 or 0, a one-byte text as its
  // character code, anything else (nil included) as 0.
  std::intptr_t ToResult() const;

  friend bool operator==(const Value&, const Value&) = default;

 private:
  std::variant<std::monostate, bool, long long, double, std::string> vData;
};

}  // namespace qvz::runtime
