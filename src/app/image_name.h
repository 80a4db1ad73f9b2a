#pragma once
// Names for the image file: where the save prompt starts, and the extension
// a chosen name gets.

#include <string>

namespace qvz::app {

// The prompt's starting folder from the current directory: "C:\Work\Disks",
// "C:\" at a drive's root, a network path as it is.
std::string InitialDirectory(const std::string& cCurrentDir);

// The extension of the name's last part (blanks around it trimmed): the text
// after its last "."; "" when it has none or ends with one.
std::string ExtensionOf(const std::string& cName);

// The name with ".qvz" appended when it has no extension.
std::string WithImageExtension(const std::string& cName);

}  // namespace qvz::app
