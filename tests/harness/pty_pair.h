#pragma once
// A fresh pseudo-terminal pair for one test: COM1 is the program's end,
// COM2 the far end (the remote machine). The Wine prefix maps both ports to
// fixed links; each pair re-points the links at its own ptys.

#include <windows.h>

#include <string>

namespace qvz::test {

class PtyPair {
 public:
  PtyPair();
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  // Ends the pair as a pulled cable would: both ptys go away.
  void Pull();

  // The host path of the program's end (for stty).
  std::string ProgramEnd() const;

  static constexpr const char* kProgramPort = "\\\\.\\COM1";
  static constexpr const char* kFarPort = "\\\\.\\COM2";

 private:
  std::string cDir;
  bool lRunning = false;
};

// The far end of the line, opened as COM2: plain blocking I/O.
class FarEnd {
 public:
  FarEnd();
  ~FarEnd();
  FarEnd(const FarEnd&) = delete;
  FarEnd& operator=(const FarEnd&) = delete;

  bool IsOpen() const { return hPort != INVALID_HANDLE_VALUE; }
  void Write(const std::string& cData);
  // Reads until nCount bytes came or nTimeoutMs passed.
  std::string Read(size_t nCount, DWORD nTimeoutMs = 3000);

 private:
  HANDLE hPort;
};

}  // namespace qvz::test
