#pragma once
// Which 8-bit texts are UTF-8: a text that is well-formed UTF-8 and holds at
// least one byte above 127 is read as UTF-8, any other text in the system's
// ANSI code page. This is how names chosen in the file prompt, which come
// back as UTF-8 when they hold a character above 255, reach the platform.

#include <string>
#include <string_view>

namespace qvz::runtime {

bool IsUtf8WithHighBytes(std::string_view cText);

// The text in UTF-16, read by the rule above.
std::wstring WidenByRule(std::string_view cText);

}  // namespace qvz::runtime
