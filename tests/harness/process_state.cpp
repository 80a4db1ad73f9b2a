#include "harness/process_state.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace qvz::test {
namespace {

std::optional<std::string> Variable(const std::string& cName) {
  const DWORD nSize = GetEnvironmentVariableA(cName.c_str(), nullptr, 0);
  if (nSize == 0) return std::nullopt;
  std::string cValue(nSize, '\0');
  cValue.resize(GetEnvironmentVariableA(cName.c_str(), cValue.data(), nSize));
  return cValue;
}

void SetVariable(const std::string& cName, const std::optional<std::string>& cValue) {
  SetEnvironmentVariableA(cName.c_str(), cValue ? cValue->c_str() : nullptr);
}

}  // namespace

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::string& cPath) {
  char cBuffer[MAX_PATH + 1];
  cPrevious.assign(cBuffer, GetCurrentDirectoryA(sizeof cBuffer, cBuffer));
  if (!SetCurrentDirectoryA(cPath.c_str())) ADD_FAILURE() << "cannot enter " << cPath;
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() { SetCurrentDirectoryA(cPrevious.c_str()); }

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::string cVariable, const std::optional<std::string>& cValue)
    : cName(std::move(cVariable)), cPrevious(Variable(cName)) {
  SetVariable(cName, cValue);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() { SetVariable(cName, cPrevious); }

}  // namespace qvz::test
