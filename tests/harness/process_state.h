#pragma once
// Process-wide state that a test changes for its own length and gives back.

#include <optional>
#include <string>

namespace qvz::test {

class ScopedCurrentDirectory {
 public:
  explicit ScopedCurrentDirectory(const std::string& cPath);
  ~ScopedCurrentDirectory();
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

 private:
  std::string cPrevious;
};

// Sets the variable, or removes it for std::nullopt.
class ScopedEnvironmentVariable {
 public:
  ScopedEnvironmentVariable(std::string cName, const std::optional<std::string>& cValue);
  ~ScopedEnvironmentVariable();
  ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
  ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

 private:
  std::string cName;
  std::optional<std::string> cPrevious;
};

}  // namespace qvz::test
