#pragma once
// Holds a flag set for exactly the lifetime of the holder.

namespace qvz::runtime {

class ScopedFlag {
 public:
  explicit ScopedFlag(bool& lFlag) : lFlag(lFlag) { lFlag = true; }
  ~ScopedFlag() { lFlag = false; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& lFlag;
};

}  // namespace qvz::runtime
