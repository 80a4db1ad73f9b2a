#pragma once
// Names for the image file: where the save prompt starts, and the extension
// a chosen name gets.

#include <string>

#include "protocol/image_name.h"

namespace qvz::app {

// The prompt's starting folder from the current directory: "C:\Work\Disks",
// "C:\" at a drive's root, a network path as it is.
std::string InitialDirectory(const std::string& cCurrentDir);

using protocol::ExtensionOf;
using protocol::WithImageExtension;

}  // namespace qvz::app
