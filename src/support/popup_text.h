#pragma once
// The text of a pop-up as the user sees it.

#include <string>

namespace qvz::support {

// Turns the six accented letters of the DOS Latin code page that old texts
// still carry into their Windows-1252 letters (0x85 à, 0x8A è, 0x82 é, 0x8D ì,
// 0x95 ò, 0x97 ù), then every ";" into a line break (CR LF).
std::string PopupText(const std::string& cMsg);

}  // namespace qvz::support
