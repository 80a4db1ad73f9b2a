#include "image_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>

namespace qvz::test {

namespace fs = std::filesystem;

ImageFolder::ImageFolder() : oPrevious(fs::current_path()) {
  static int nSerial = 0;
  const auto nNow = std::chrono::steady_clock::now().time_since_epoch().count();
  oPath = fs::temp_directory_path() / ("qvz-compare-test-" + std::to_string(nNow) + "-" + std::to_string(++nSerial));
  fs::create_directories(oPath);
  fs::current_path(oPath);
}

ImageFolder::~ImageFolder() {
  std::error_code oError;
  fs::current_path(oPrevious, oError);
  fs::remove_all(oPath, oError);
  if (oError) ADD_FAILURE() << "cannot remove " << oPath << ": " << oError.message();
}

void ImageFolder::Write(const std::string& cName, const std::string& cData) const {
  std::ofstream oFile(oPath / cName, std::ios::binary | std::ios::trunc);
  oFile.write(cData.data(), static_cast<std::streamsize>(cData.size()));
  if (!oFile) ADD_FAILURE() << "cannot write " << cName;
}

std::string ImageFolder::Read(const std::string& cName) const {
  std::ifstream oFile(oPath / cName, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(oFile), std::istreambuf_iterator<char>());
}

std::vector<std::string> ImageFolder::Names() const {
  std::vector<std::string> aNames;
  for (const fs::directory_entry& oEntry : fs::directory_iterator(oPath))
    aNames.push_back(oEntry.path().filename().string());
  std::sort(aNames.begin(), aNames.end());
  return aNames;
}

std::string TestImage(std::size_t nBytes, unsigned nSeed) {
  constexpr unsigned kNonZeroValues = 255;
  std::string cImage(nBytes, '\0');
  for (std::size_t i = 0; i < nBytes; ++i)
    cImage[i] = static_cast<char>(1 + (i * 31 + i / 256 * 7 + nSeed) % kNonZeroValues);
  return cImage;
}

}  // namespace qvz::test
