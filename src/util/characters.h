#pragma once
// Character classes as the validators understand them: plain ASCII, whatever
// the code page, so a Windows-1252 letter such as "\xE0" is not a letter.

namespace qvz::util {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsLetter(char c) { return IsUpperLetter(c) || (c >= 'a' && c <= 'z'); }

}  // namespace qvz::util
