#pragma once
// The image files the comparison reads and the merged image it writes.

#include <string>

namespace qvz::compare {

// The whole file. Throws BadInput when it is missing or cannot be read.
std::string ReadImage(const std::string& cName);

// Writes cData aside in cName's folder and then puts it in cName's place in
// one rename, so that cName is either as it was or whole. Throws BadInput,
// leaving no file aside, when that fails.
void WriteReplacing(const std::string& cName, const std::string& cData);

// True when both names exist and lead to the same file, whatever the
// spelling (other case, "..", a link).
bool SameFile(const std::string& cFirst, const std::string& cSecond);

}  // namespace qvz::compare
