#pragma once
// Ownership of a kernel handle: closed exactly once, when its owner goes.

#include <windows.h>

#include <utility>

namespace qvz::runtime {

class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE hHandle) : hValue(hHandle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : hValue(std::exchange(other.hValue, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.hValue, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  HANDLE Get() const { return hValue; }
  // False for both "no handle" forms the platform uses: null and INVALID_HANDLE_VALUE.
  explicit operator bool() const { return hValue != nullptr && hValue != INVALID_HANDLE_VALUE; }
  void Reset(HANDLE hNew = nullptr) {
    if (*this) CloseHandle(hValue);
    hValue = hNew;
  }

 private:
  HANDLE hValue = nullptr;
};

}  // namespace qvz::runtime
