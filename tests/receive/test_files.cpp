#include "test_files.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qvz::receive::test {

TempFolder::TempFolder() {
  std::string cTemplate = (std::filesystem::temp_directory_path() / "qvz-receive-test-XXXXXX").string();
  if (!mkdtemp(cTemplate.data())) throw std::runtime_error("no temporary folder");
  cPath = cTemplate;
}

TempFolder::~TempFolder() {
  std::error_code e;
  std::filesystem::remove_all(cPath, e);
}

std::string ReadFile(const std::string& cPath) {
  std::ifstream in(cPath, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const std::string& cPath, const std::string& cData) {
  std::ofstream(cPath, std::ios::binary) << cData;
}

std::vector<std::string> NamesIn(const std::string& cFolder) {
  std::vector<std::string> a;
  for (const auto& e : std::filesystem::directory_iterator(cFolder)) a.push_back(e.path().filename().string());
  std::sort(a.begin(), a.end());
  return a;
}

}  // namespace qvz::receive::test
