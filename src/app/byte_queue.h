#pragma once
// A byte queue that takes from its front in constant time: bytes taken are
// only counted, and the storage drops them in one move once they are the
// larger part of it, so a large backlog costs no copy per byte.

#include <cstddef>
#include <string>
#include <string_view>

namespace qvz::app {

class ByteQueue {
 public:
  void Append(std::string_view cBytes) { cStore.append(cBytes); }

  // The first byte, removed; "" when empty.
  std::string Take() {
    if (nHead == cStore.size()) return {};
    std::string cByte(1, cStore[nHead++]);
    if (nHead == cStore.size()) {
      cStore.clear();
      nHead = 0;
    } else if (nHead >= 4096 && nHead * 2 >= cStore.size()) {
      cStore.erase(0, nHead);
      nHead = 0;
    }
    return cByte;
  }

  std::size_t Size() const { return cStore.size() - nHead; }

 private:
  std::string cStore;
  std::size_t nHead = 0;  // bytes before it are taken
};

}  // namespace qvz::app
