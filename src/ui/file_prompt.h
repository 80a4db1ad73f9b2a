#pragma once
// The platform's standard save or open prompt: the chosen full path, or ""
// when the user cancels. Keeps nothing between calls and leaves the current
// directory as it was.

#include <windows.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace qvz::ui {

// The prompt's arguments in their order; each may be left out.
struct FilePromptArgs {
  std::optional<std::string> cFilter;  // "description|patterns|description|patterns..."
  std::optional<std::string> cTitle;   // default "Select the file"
  std::optional<int> nDefFilter;       // first pair selected, from 1; modulo 256, 0 means 1
  std::optional<std::string> cInitDir;
  std::optional<bool> lSave;           // unset: save exactly when cFileName is given
  std::optional<bool> lLongNames;
  std::optional<DWORD> nFlags;         // unset: 0x80C; 0: the computed flags
  std::optional<std::string> cFileName;
};

// What the prompt hands the platform.
struct FilePromptRequest {
  std::wstring cFilter;    // 400 characters, bars turned into NULs
  std::wstring cTitle;     // 256 characters
  std::wstring cInitDir;   // 256 characters
  std::wstring cFileName;  // 256 characters, 15384 for multiple selection
  DWORD nFilterIndex = 1;
  DWORD nFlags = 0;
  bool lSave = false;
  bool lInitDir = false;
  bool lMultiple = false;
};

FilePromptRequest BuildFilePromptRequest(const FilePromptArgs& args);

// The chosen path, or "" on cancel or failure. With multiple selection in an
// open prompt: the folder, then each chosen name. A name comes back in the
// form the run time's file operations read as that same name: the code
// page's bytes, or UTF-8 where the code page lacks a character or its bytes
// would read as UTF-8 (runtime::NameFromPlatform).
using FilePromptResult = std::variant<std::string, std::vector<std::string>>;
FilePromptResult CGETFILE(const FilePromptArgs& args);
// Called without any argument: "" at once, no prompt shown.
FilePromptResult CGETFILE();

}  // namespace qvz::ui
