#pragma once
// The receive ring of one port: 2048 bytes, at most 2047 of them unread.
// Exactly two threads touch it: the reader thread is the only writer of the
// bytes and of nWritePos, the GUI thread (through READCOMM) the only writer
// of nReadPos. Each side stores a byte or frees it before it publishes the
// position that moves past it (release), and reads the other side's position
// with acquire, so each sees the bytes the other has finished with.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace qvz::serial {

class PortRing {
 public:
  static constexpr int kSize = 2048;
  static constexpr int kCapacity = kSize - 1;

  int Used() const {
    int nUsed = nWritePos.load(std::memory_order_acquire) - nReadPos.load(std::memory_order_acquire);
    return nUsed < 0 ? nUsed + kSize : nUsed;
  }
  int Room() const { return kCapacity - Used(); }
  bool Empty() const { return Used() == 0; }
  std::uint16_t ReadPos() const { return nReadPos.load(std::memory_order_acquire); }

  // Reader thread only; nCount must not exceed Room().
  void Put(const char* pBytes, int nCount) {
    int nPos = nWritePos.load(std::memory_order_relaxed);
    for (int i = 0; i < nCount; ++i) {
      aBytes[nPos] = pBytes[i];
      nPos = (nPos + 1) % kSize;
    }
    nWritePos.store(static_cast<std::uint16_t>(nPos), std::memory_order_release);
  }

  // GUI thread only: moves up to nLimit unread bytes, oldest first, to pDest.
  int Take(char* pDest, std::size_t nLimit) {
    int nPos = nReadPos.load(std::memory_order_relaxed);
    const int nEnd = nWritePos.load(std::memory_order_acquire);
    int nCount = 0;
    while (static_cast<std::size_t>(nCount) < nLimit && nPos != nEnd) {
      pDest[nCount++] = aBytes[nPos];
      nPos = (nPos + 1) % kSize;
    }
    nReadPos.store(static_cast<std::uint16_t>(nPos), std::memory_order_release);
    return nCount;
  }

 private:
  std::array<char, kSize> aBytes{};
  std::atomic<std::uint16_t> nWritePos{0};
  std::atomic<std::uint16_t> nReadPos{0};
};

}  // namespace qvz::serial
