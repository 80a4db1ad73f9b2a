#pragma once
// Disk names made from a pattern with one number in it: "DISK%03d" gives
// DISK001.QVZ, DISK002.QVZ, ...

#include <optional>
#include <string>

namespace qvz::receive {

class NamePattern {
 public:
  // The pattern when it holds exactly one %d or %0Nd and no other "%" and no
  // "/" (a disk's name is a file in the receiving folder).
  static std::optional<NamePattern> Parse(const std::string& cPattern);

  // The file name for number n: ".qvz" added when it has no extension, then
  // upper-cased.
  std::string Name(int n) const;

 private:
  std::string cBefore;
  std::string cAfter;
  int nWidth = 0;  // digits at least, zero-padded
};

// A file name as the user typed it, as it is saved: blanks around it
// dropped, ".qvz" added when it has no extension, its letters a to z
// upper-cased, as the window program saves it.
std::string ImageFileName(const std::string& cTyped);

}  // namespace qvz::receive
