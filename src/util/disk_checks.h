#pragma once
// Checks of drives and files that explain a failure to the user: each shows
// its Italian message (after releasing the shared lock) and answers; the
// caller decides whether to go on. GUI thread only.

#include <optional>
#include <string>

namespace qvz::util {

// True when the drive ("A:"; "" the current one) can be made current; the
// program's current drive and directory stay as they were. Otherwise "Disco
// non pronto." when lShow (default true), and false.
bool ISREADY(const std::string& cDrive, std::optional<bool> lShow = std::nullopt);

// True when the drive refuses writing: it is not ready, or a probe file
// (0x7F names) cannot be made in its current directory ("Disco protetto da
// scrittura."). The probe is erased again.
bool ISPROTECTED(const std::string& cDrive);

// True when the file refuses writing ("File non accessibile."); a missing
// file does not. The run time's file operations read the name (FILECASE).
bool ISREADONLY(const std::string& cFile);

// True when the drive is not ready, or fewer than nBytes (default 8192) are
// free on it ("Spazio su disco insufficiente."); false for "".
bool ISFULL(const std::string& cDrive, std::optional<long long> nBytes = std::nullopt);

}  // namespace qvz::util
