#pragma once
// The run-time error object: what failed, where and how badly. Raised errors
// go to the installed error block, which decides what happens next.

#include <exception>
#include <string>

namespace qvz::runtime {

struct RuntimeError : std::exception {
  int genCode = 0;
  int subCode = 0;
  int osCode = 0;
  int severity = 2;  // 2 or more is an error, less a warning
  std::string subSystem;
  std::string description;
  std::string operation;
  std::string filename;
  bool canDefault = false;

  const char* what() const noexcept override { return description.c_str(); }
};

}  // namespace qvz::runtime
