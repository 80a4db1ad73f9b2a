#include "ui/system_font.h"

#include <windows.h>

namespace qvz::ui {

std::string GETSYSFONT() {
  // A 64-bit program runs only on NT-based systems, so the face of the older
  // 16-bit systems never applies.
  OSVERSIONINFOA oVersion{};
  oVersion.dwOSVersionInfoSize = sizeof oVersion;
  GetVersionExA(&oVersion);
  const bool lEightOrLater = oVersion.dwMajorVersion > 6 ||
                             (oVersion.dwMajorVersion == 6 && oVersion.dwMinorVersion >= 2);
  return lEightOrLater ? "Segoe UI" : "Ms Sans Serif";
}

}  // namespace qvz::ui
