#pragma once
// Writing a disk image into the receiving folder: through a temporary file
// in that folder, flushed to the disk, then given its name in one step, so
// that the name never holds half an image. An existing file is replaced
// only when the user said so.

#include <string>

namespace qvz::receive {

enum class Written { kSaved, kExists, kFailed };

struct WriteResult {
  Written e = Written::kFailed;
  std::string cError;  // with kFailed: why
};

WriteResult WriteImageFile(const std::string& cFolder, const std::string& cName, const std::string& cData,
                           bool lReplace);

}  // namespace qvz::receive
