#pragma once
// The extension an image file's name gets: ".qvz" when the chosen name has
// none. A name's last part follows the last "\" (or, without one, the first
// ":"); a name without either is its own last part.

#include <string>

namespace qvz::protocol {

// The extension of the name's last part (blanks around it trimmed): the text
// after its last "."; "" when it has none or ends with one.
std::string ExtensionOf(const std::string& cName);

// The name with ".qvz" appended when it has no extension.
std::string WithImageExtension(const std::string& cName);

}  // namespace qvz::protocol
