#include "support/error_report_mail.h"

#include <windows.h>
#include <shellapi.h>

namespace qvz::support {
namespace {

// A "#" would end the body where it stands and a "%" with two hex digits
// would turn into another character, so both are encoded along with the
// bytes a mail address cannot carry as they are.
std::string EncodedForMail(const std::string& cText) {
  static const char kHex[] = "0123456789abcdef";
  std::string cEncoded;
  for (char c : cText) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '&')
      cEncoded += "%26";
    else if (c == ';')
      cEncoded += "%0d%0a";
    else if (c == '%' || c == '#' || b < 0x20)
      cEncoded += {'%', kHex[b >> 4], kHex[b & 15]};
    else
      cEncoded += c;
  }
  return cEncoded;
}

std::string ProgramPath() {
  char aPath[249] = {};  // at most 248 characters
  const DWORD n = GetModuleFileNameA(nullptr, aPath, sizeof aPath);
  return std::string(aPath, n < sizeof aPath ? n : sizeof aPath - 1);
}

}  // namespace

std::string ErrorReportAddress(const std::string& cProgramPath, const std::string& cReport) {
  return "mailto:?subject=Rapporto di errore&body=Applicazione: " + EncodedForMail(cProgramPath) +
         "%0d%0a%0d%0a" + EncodedForMail(cReport);
}

void SendErrorReport(const std::string& cReport) {
  const std::string cAddress = ErrorReportAddress(ProgramPath(), cReport);
  ShellExecuteA(nullptr, nullptr, cAddress.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace qvz::support
