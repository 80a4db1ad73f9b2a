#pragma once
// Real folders and files for the tests of qvz-receive.

#include <string>
#include <vector>

namespace qvz::receive::test {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return cPath; }

 private:
  std::string cPath;
};

std::string ReadFile(const std::string& cPath);
void WriteFile(const std::string& cPath, const std::string& cData);
// The names in the folder, sorted, without "." and "..".
std::vector<std::string> NamesIn(const std::string& cFolder);

}  // namespace qvz::receive::test
