#pragma once
// Writing a whole file so that it is never left half written: the data goes
// to a temporary file in the same folder, which then takes the target's
// place in one step. An existing target stays as it was until that step,
// also when the disk fills up. GUI thread only.

#include <string>

namespace qvz::runtime {

// Makes cData the whole content of cName (the FILECASE setting applied to
// it). False when it could not, with FERROR telling why; the temporary file
// is then gone again.
bool REPLACEFILE(const std::string& cName, const std::string& cData);

}  // namespace qvz::runtime
