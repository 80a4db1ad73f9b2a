#pragma once
// The run-time error object: what failed, where and how badly. Raised errors
// go to the installed error block, which decides what happens next.

#include <exception>
#include <string>

namespace qvz::runtime {

// Generic codes (genCode) of the run time's description table.
constexpr int kGenZeroDivisor = 5;        // "Zero divisor"
constexpr int kGenOpenError = 21;         // "Open error"
constexpr int kGenCorruption = 32;        // "Corruption detected"
constexpr int kGenAppendLock = 40;        // "Append lock failed"
constexpr int kGenOleAutomation = 1001;   // a failed OLE automation call

// Subsystem codes (subCode) of the table drivers that the handler knows.
constexpr int kSubCorruptTable = 1012;
constexpr int kSubDiskFull = 2016;

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
