#pragma once
// Real folders and files for tests of file operations.

#include <windows.h>

#include <string>
#include <vector>

namespace qvz::test {

// A fresh folder under the system's temporary folder, removed with all it
// holds, whatever their attributes, when the test ends.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Without a final backslash; plain ASCII.
  const std::string& Path() const { return cPath; }

 private:
  std::string cPath;
};

// Makes a file holding cData, then gives it the attributes.
void MakeFile(const std::string& cPath, DWORD nAttributes = FILE_ATTRIBUTE_NORMAL, const std::string& cData = "x");
void MakeFolder(const std::string& cPath, DWORD nAttributes = FILE_ATTRIBUTE_DIRECTORY);

// True when a file or folder of that name exists.
bool Exists(const std::string& cPath);

// A file's whole content; "" when it cannot be read.
std::string ContentOf(const std::string& cPath);

// The names in the folder as the platform lists them, in its order,
// without "." and "..".
std::vector<std::string> NamesIn(const std::string& cFolder);
std::vector<std::wstring> WideNamesIn(const std::string& cFolder);

}  // namespace qvz::test
