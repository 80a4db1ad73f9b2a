#pragma once
// How a file name, a byte string, reaches the platform. Names are the
// program's Windows-1252 texts, except that the file prompt returns a name
// holding a character beyond that code page as UTF-8. So a name that is
// well-formed UTF-8 holding a byte above 127 goes to the W functions as
// UTF-16, and anything else to the A functions as it stands.

#include <string>

namespace qvz::runtime {

bool IsUtf8Name(const std::string& cName);

std::wstring Utf8ToWide(const std::string& cUtf8);

// A text of the ANSI code page in UTF-16, every byte kept (NULs too).
std::wstring AnsiToWide(const std::string& cText);

// Calls fAnsi(const char*) or fWide(const wchar_t*) with the name, by the
// rule above, and returns its result.
template <class FAnsi, class FWide>
auto ByPlatformName(const std::string& cName, FAnsi fAnsi, FWide fWide) {
  if (IsUtf8Name(cName)) return fWide(Utf8ToWide(cName).c_str());
  return fAnsi(cName.c_str());
}

// The name in UTF-16 as the platform reads it, an A name through the code
// page of the A file functions.
std::wstring WidePlatformName(const std::string& cName);

// For operations on two names: fWide with both in UTF-16 when either is a
// UTF-8 name, otherwise fAnsi with both as they stand.
template <class FAnsi, class FWide>
auto ByPlatformNames(const std::string& cFirst, const std::string& cSecond, FAnsi fAnsi, FWide fWide) {
  if (IsUtf8Name(cFirst) || IsUtf8Name(cSecond))
    return fWide(WidePlatformName(cFirst).c_str(), WidePlatformName(cSecond).c_str());
  return fAnsi(cFirst.c_str(), cSecond.c_str());
}

// The byte string that names wName by the rule above: its A form when the
// code page holds every character and that form would not be read as UTF-8,
// otherwise its UTF-8 form.
std::string NameFromPlatform(const std::wstring& wName);

}  // namespace qvz::runtime
