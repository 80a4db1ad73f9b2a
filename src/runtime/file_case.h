#pragma once
// The FILECASE setting applied to a file name: the letters a to z of its
// name and extension change case, its directory part keeps its own.

#include <string>

namespace qvz::runtime {

std::string ApplyFileCase(const std::string& cPath);

}  // namespace qvz::runtime
