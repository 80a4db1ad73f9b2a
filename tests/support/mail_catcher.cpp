// Stands in for the user's mail program in the tests: writes the argument it
// was started with, as it came, to the file named by QVZ_MAIL_FILE, whole or
// not at all.

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// The command line after the program's own name, without the quotes around
// it: the C run time's parsing would treat "?" and "%" of an address as its own.
std::string Argument() {
  std::string c = GetCommandLineA();
  std::size_t n = c[0] == '"' ? c.find('"', 1) + 1 : c.find(' ');
  if (n == std::string::npos || n == 0) return {};
  c.erase(0, c.find_first_not_of(' ', n));
  if (c.size() >= 2 && c.front() == '"' && c.back() == '"') c = c.substr(1, c.size() - 2);
  return c;
}

}  // namespace

int main() {
  const char* cFile = std::getenv("QVZ_MAIL_FILE");
  if (!cFile) return 1;
  const std::string cPart = std::string(cFile) + ".part";
  {
    std::ofstream out(cPart, std::ios::binary);
    out << Argument();
    if (!out) return 1;
  }
  return MoveFileExA(cPart.c_str(), cFile, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
