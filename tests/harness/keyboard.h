#pragma once
// Holds keys down through the platform's input queue, as a user would, and
// releases them again: the key state lives in the Wine server and outlives
// the program that left a key down.

#include <windows.h>

#include "answer/key_input.h"

namespace qvz::test {

using tools::PressKey;
using tools::ReleaseKey;

// Holds a key for its lifetime.
class HeldKey {
 public:
  explicit HeldKey(WORD nKey) : nKey(nKey) { PressKey(nKey); }
  ~HeldKey() { ReleaseKey(nKey); }
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;

 private:
  WORD nKey;
};

}  // namespace qvz::test
