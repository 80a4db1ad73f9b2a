#pragma once
// The parts of a path: its directory part, up to and including the last
// separator ("\", "/" or a drive's ":"), and its name after it.

#include <cstddef>
#include <string>

namespace qvz::runtime {

// Where the name starts; the path's length when the path ends in a separator.
std::size_t NameStart(const std::string& cPath);

}  // namespace qvz::runtime
