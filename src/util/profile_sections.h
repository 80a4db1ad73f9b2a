#pragma once
// The sections of settings files and the entries they hold. GUI thread only.

#include <string>
#include <vector>

namespace qvz::util {

// Writes the section names of cFile into cBuffer, each followed by a NUL,
// and returns the number of bytes written. The platform is never told of
// more room than cBuffer has, whatever nSize says.
int GETPRIVATEPROFILESECTIONNAMES(std::string& cBuffer, int nSize, const std::string& cFile);

// The names of the entries of the section, as lines of at most 79 columns
// (a list that long wraps), without trailing blanks.
std::vector<std::string> GETPVPROFSECTION(const std::string& cSection, const std::string& cFile);

// The names of the sections of the file, read through 65,536 bytes.
std::vector<std::string> GETPVPROFSECTIONNAMES(const std::string& cFile);

}  // namespace qvz::util
