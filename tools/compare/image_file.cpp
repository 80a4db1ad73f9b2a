#include "compare/image_file.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "compare/compare_error.h"

namespace qvz::compare {
namespace {

namespace fs = std::filesystem;

// Standard C++ has no exclusive create: a random name that does not exist
// yet stands in for it; a clash with another writer in the same instant is
// left to chance.
fs::path FreeNameBeside(const fs::path& oTarget) {
  std::random_device oRandom;
  for (;;) {
    fs::path oName = oTarget;
    oName += '.';
    oName += std::to_string(oRandom() % 1000000000u);
    oName += ".tmp";
    std::error_code oError;
    if (!fs::exists(oName, oError) && !oError) return oName;
    if (oError) throw BadInput("cannot write " + oTarget.string() + ": " + oError.message());
  }
}

}  // namespace

std::string ReadImage(const std::string& cName) {
  std::error_code oError;
  const std::uintmax_t nSize = fs::file_size(cName, oError);
  if (oError) throw BadInput("cannot read " + cName + ": " + oError.message());
  std::ifstream oFile(cName, std::ios::binary);
  std::string cData(static_cast<std::size_t>(nSize), '\0');
  if (!oFile.read(cData.data(), static_cast<std::streamsize>(cData.size()))) throw BadInput("cannot read " + cName);
  return cData;
}

void WriteReplacing(const std::string& cName, const std::string& cData) {
  const fs::path oTemp = FreeNameBeside(cName);
  std::ofstream oFile(oTemp, std::ios::binary | std::ios::trunc);
  oFile.write(cData.data(), static_cast<std::streamsize>(cData.size()));
  oFile.close();
  std::error_code oError;
  if (oFile) fs::rename(oTemp, cName, oError);
  if (!oFile || oError) {
    std::error_code oIgnored;
    fs::remove(oTemp, oIgnored);
    throw BadInput("cannot write " + cName + (oError ? ": " + oError.message() : std::string()));
  }
}

bool SameFile(const std::string& cFirst, const std::string& cSecond) {
  std::error_code oError;
  return fs::equivalent(cFirst, cSecond, oError) && !oError;
}

}  // namespace qvz::compare
