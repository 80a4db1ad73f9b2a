#pragma once
// Searching a directory the platform's way, one entry at a time, into a
// record laid out as the platform's WIN32_FIND_DATAA. Patterns and names
// are the A forms (the record holds A names); FILECASE is not applied.
// GUI thread only.

#include <windows.h>

#include <string>

namespace qvz::util {

// The search record: cBuffer holds it as the platform writes it, and the
// members read their fields from there.
class TWin32FindData {
 public:
  TWin32FindData() : cBuffer(sizeof(WIN32_FIND_DATAA), '\0') {}

  unsigned long nFileAttr() const;
  std::string cCreatTime() const;  // the platform's 8-byte file times
  std::string cLastATime() const;
  std::string cLastWTime() const;
  unsigned long nFileSizeH() const;
  unsigned long nFileSizeL() const;
  unsigned long nReserved0() const;
  unsigned long nReserved1() const;
  std::string cFileName() const;   // up to its NUL
  std::string cShortName() const;  // the 8.3 name, up to its NUL

  std::string cBuffer;
};

TWin32FindData OWIN32FINDDATA();

// An open search, closed when its owner goes (or by FINDCLOSE).
class FindHandle {
 public:
  FindHandle() = default;
  explicit FindHandle(HANDLE hFind) : hValue(hFind) {}
  FindHandle(FindHandle&& other) noexcept;
  FindHandle& operator=(FindHandle&& other) noexcept;
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() { Close(); }

  // INVALID_HANDLE_VALUE (-1) when no search is open.
  HANDLE Get() const { return hValue; }
  explicit operator bool() const { return hValue != INVALID_HANDLE_VALUE; }
  bool Close();

 private:
  HANDLE hValue = INVALID_HANDLE_VALUE;
};

// Starts a search and writes the first entry into cBuffer, which grows to
// the record's size when it is shorter; no open search when nothing matches.
FindHandle FINDFIRSTFILE(const std::string& cPattern, std::string& cBuffer);

// Writes the next entry into cBuffer (grown likewise); false when there is none.
bool FINDNEXTFILE(const FindHandle& hFind, std::string& cBuffer);

// Ends the search; false when none was open.
bool FINDCLOSE(FindHandle& hFind);

}  // namespace qvz::util
