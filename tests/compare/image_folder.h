#pragma once
// A fresh folder for the images of one test, made the current folder so that
// the images go by short names; the previous current folder comes back and
// the folder goes, with all it holds, when the test ends.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace qvz::test {

class ImageFolder {
 public:
  ImageFolder();
  ~ImageFolder();
  ImageFolder(const ImageFolder&) = delete;
  ImageFolder& operator=(const ImageFolder&) = delete;

  const std::filesystem::path& Path() const { return oPath; }

  void Write(const std::string& cName, const std::string& cData) const;
  std::string Read(const std::string& cName) const;
  // The names in the folder, sorted.
  std::vector<std::string> Names() const;

 private:
  std::filesystem::path oPath;
  std::filesystem::path oPrevious;
};

// nBytes of an image none of whose bytes is zero; another seed changes every
// byte.
std::string TestImage(std::size_t nBytes, unsigned nSeed = 0);

}  // namespace qvz::test
