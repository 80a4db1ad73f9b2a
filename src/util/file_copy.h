#pragma once
// Copying one file while the windows stay alive. GUI thread only.

#include <windows.h>

#include <string>

namespace qvz::util {

// Copies the file over any existing target (names by the name rule, no
// FILECASE). While the platform copies, every pending window message is
// dispatched each time it reports progress.
bool COPYFILE(const std::string& cSource, const std::string& cTarget);

// The progress routine COPYFILE hands the platform: one message-pump step,
// then the copy goes on.
DWORD CALLBACK PumpWhileCopying(LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, DWORD, DWORD, HANDLE,
                                HANDLE, LPVOID) noexcept;

}  // namespace qvz::util
