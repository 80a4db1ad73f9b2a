#pragma once
// Input the comparison cannot work with: a bad argument, a missing or
// unreadable file, sizes that differ or that are no image's, an output that
// cannot be written. Its text is the one line the user reads.

#include <stdexcept>
#include <string>

namespace qvz::compare {

class BadInput : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qvz::compare
