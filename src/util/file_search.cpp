#include "util/file_search.h"

#include <cstddef>
#include <cstring>
#include <string_view>
#include <utility>

namespace qvz::util {
namespace {

// The record's fields, in the order and at the places the members read them.
static_assert(offsetof(WIN32_FIND_DATAA, dwFileAttributes) == 0);
static_assert(offsetof(WIN32_FIND_DATAA, ftCreationTime) == 4);
static_assert(offsetof(WIN32_FIND_DATAA, ftLastAccessTime) == 12);
static_assert(offsetof(WIN32_FIND_DATAA, ftLastWriteTime) == 20);
static_assert(offsetof(WIN32_FIND_DATAA, nFileSizeHigh) == 28);
static_assert(offsetof(WIN32_FIND_DATAA, nFileSizeLow) == 32);
static_assert(offsetof(WIN32_FIND_DATAA, dwReserved0) == 36);
static_assert(offsetof(WIN32_FIND_DATAA, dwReserved1) == 40);
static_assert(offsetof(WIN32_FIND_DATAA, cFileName) == 44 && sizeof(WIN32_FIND_DATAA::cFileName) == 260);
static_assert(offsetof(WIN32_FIND_DATAA, cAlternateFileName) == 304 &&
              sizeof(WIN32_FIND_DATAA::cAlternateFileName) == 14);

// A field of the record in the buffer; empty when the buffer was cut short.
std::string_view Field(const std::string& cBuffer, std::size_t nOffset, std::size_t nSize) {
  if (nOffset + nSize > cBuffer.size()) return {};
  return std::string_view(cBuffer).substr(nOffset, nSize);
}

unsigned long NumberAt(const std::string& cBuffer, std::size_t nOffset) {
  const std::string_view cField = Field(cBuffer, nOffset, sizeof(DWORD));
  DWORD nValue = 0;
  std::memcpy(&nValue, cField.data(), cField.size());
  return nValue;
}

std::string FileTimeAt(const std::string& cBuffer, std::size_t nOffset) {
  return std::string(Field(cBuffer, nOffset, sizeof(FILETIME)));
}

std::string TextAt(const std::string& cBuffer, std::size_t nOffset, std::size_t nSize) {
  const std::string_view cField = Field(cBuffer, nOffset, nSize);
  return std::string(cField.substr(0, cField.find('\0')));
}

void StoreRecord(const WIN32_FIND_DATAA& found, std::string& cBuffer) {
  if (cBuffer.size() < sizeof found) cBuffer.resize(sizeof found);
  std::memcpy(cBuffer.data(), &found, sizeof found);
}

}  // namespace

unsigned long TWin32FindData::nFileAttr() const { return NumberAt(cBuffer, 0); }
std::string TWin32FindData::cCreatTime() const { return FileTimeAt(cBuffer, 4); }
std::string TWin32FindData::cLastATime() const { return FileTimeAt(cBuffer, 12); }
std::string TWin32FindData::cLastWTime() const { return FileTimeAt(cBuffer, 20); }
unsigned long TWin32FindData::nFileSizeH() const { return NumberAt(cBuffer, 28); }
unsigned long TWin32FindData::nFileSizeL() const { return NumberAt(cBuffer, 32); }
unsigned long TWin32FindData::nReserved0() const { return NumberAt(cBuffer, 36); }
unsigned long TWin32FindData::nReserved1() const { return NumberAt(cBuffer, 40); }
std::string TWin32FindData::cFileName() const { return TextAt(cBuffer, 44, 260); }
std::string TWin32FindData::cShortName() const { return TextAt(cBuffer, 304, 14); }

TWin32FindData OWIN32FINDDATA() { return {}; }

FindHandle::FindHandle(FindHandle&& other) noexcept
    : hValue(std::exchange(other.hValue, INVALID_HANDLE_VALUE)) {}

FindHandle& FindHandle::operator=(FindHandle&& other) noexcept {
  if (this != &other) {
    Close();
    hValue = std::exchange(other.hValue, INVALID_HANDLE_VALUE);
  }
  return *this;
}

bool FindHandle::Close() { return *this && FindClose(std::exchange(hValue, INVALID_HANDLE_VALUE)); }

FindHandle FINDFIRSTFILE(const std::string& cPattern, std::string& cBuffer) {
  WIN32_FIND_DATAA found;
  FindHandle hFind(FindFirstFileA(cPattern.c_str(), &found));
  if (hFind) StoreRecord(found, cBuffer);
  return hFind;
}

bool FINDNEXTFILE(const FindHandle& hFind, std::string& cBuffer) {
  WIN32_FIND_DATAA found;
  if (!hFind || !FindNextFileA(hFind.Get(), &found)) return false;
  StoreRecord(found, cBuffer);
  return true;
}

bool FINDCLOSE(FindHandle& hFind) { return hFind.Close(); }

}  // namespace qvz::util
