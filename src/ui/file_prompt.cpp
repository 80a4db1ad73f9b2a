#include "ui/file_prompt.h"

#include <commdlg.h>

#include "runtime/platform_name.h"

namespace qvz::ui {
namespace {

// The buffers' sizes in characters. The filter keeps two NULs at its end;
// the others one.
constexpr size_t kFilterChars = 400;
constexpr size_t kFilterKept = kFilterChars - 2;
constexpr size_t kTextChars = 256;  // title, starting folder, one chosen name
constexpr size_t kMultipleNameChars = 15384;
// The filter number is taken modulo this; 0 selects the first pair.
constexpr int kFilterNumbers = 256;

// Zero-filled buffer of nCapacity characters holding at most nKeep of cText.
std::wstring Buffer(const std::optional<std::string>& cText, size_t nCapacity, size_t nKeep) {
  std::wstring w(nCapacity, L'\0');
  if (cText) {
    std::wstring c = runtime::WidePlatformName(*cText);
    c.resize(std::min(c.size(), nKeep));
    w.replace(0, c.size(), c);
  }
  return w;
}

}  // namespace

FilePromptRequest BuildFilePromptRequest(const FilePromptArgs& a) {
  FilePromptRequest r;
  r.lSave = a.lSave.value_or(a.cFileName.has_value());
  if (a.nFlags && *a.nFlags != 0) {
    r.nFlags = *a.nFlags;
  } else if (a.nFlags) {
    r.nFlags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | (r.lSave ? OFN_HIDEREADONLY : 0) |
               (a.lLongNames.value_or(false) ? OFN_LONGNAMES : 0);
  } else {
    r.nFlags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  }
  r.lMultiple = !r.lSave && (r.nFlags & OFN_ALLOWMULTISELECT);
  r.cFilter = Buffer(a.cFilter, kFilterChars, kFilterKept);
  for (wchar_t& c : r.cFilter)
    if (c == L'|') c = L'\0';
  r.cTitle = Buffer(a.cTitle ? a.cTitle : std::optional<std::string>("Select the file"), kTextChars, kTextChars - 1);
  r.lInitDir = a.cInitDir.has_value();
  r.cInitDir = Buffer(a.cInitDir, kTextChars, kTextChars - 1);
  const size_t nNameSize = (a.nFlags && (*a.nFlags & OFN_ALLOWMULTISELECT)) ? kMultipleNameChars : kTextChars;
  r.cFileName = Buffer(a.cFileName, nNameSize, nNameSize - 1);
  const int nIndex = a.nDefFilter.value_or(0) % kFilterNumbers;
  r.nFilterIndex = nIndex == 0 ? 1 : static_cast<DWORD>(nIndex);
  return r;
}

FilePromptResult CGETFILE() { return std::string(); }

FilePromptResult CGETFILE(const FilePromptArgs& args) {
  FilePromptRequest r = BuildFilePromptRequest(args);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = r.cFilter.c_str();
  ofn.nFilterIndex = r.nFilterIndex;
  ofn.lpstrFile = r.cFileName.data();
  ofn.nMaxFile = static_cast<DWORD>(r.cFileName.size());
  ofn.lpstrInitialDir = r.lInitDir ? r.cInitDir.c_str() : nullptr;
  ofn.lpstrTitle = r.cTitle.c_str();
  ofn.Flags = r.nFlags;
  BOOL lChosen = r.lSave ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!lChosen) return std::string();
  // One byte per character would be the simple answer, but bytes that read
  // as UTF-8 would then name another file to the file operations.
  if (!r.lMultiple) return runtime::NameFromPlatform(r.cFileName.c_str());
  std::vector<std::string> aParts;
  for (const wchar_t* p = r.cFileName.c_str(); *p; p += wcslen(p) + 1) aParts.push_back(runtime::NameFromPlatform(p));
  return aParts;
}

}  // namespace qvz::ui
