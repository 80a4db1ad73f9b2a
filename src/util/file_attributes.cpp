#include "util/file_attributes.h"

#include <windows.h>

#include "util/file_services.h"

namespace qvz::util {
namespace {

void SetBit(const std::string& cFile, int nBit, bool lOn) {
  const int nAttributes = GETFILEATTRIBUTES(cFile);
  if (nAttributes == -1 || ((nAttributes & nBit) != 0) == lOn) return;
  SETFILEATTRIBUTES(cFile, lOn ? nAttributes + nBit : nAttributes - nBit);
}

}  // namespace

void CLEARREADONLY(const std::string& cFile) { SetBit(cFile, FILE_ATTRIBUTE_READONLY, false); }
void CLEARHIDDEN(const std::string& cFile) { SetBit(cFile, FILE_ATTRIBUTE_HIDDEN, false); }
void SETHIDDEN(const std::string& cFile) { SetBit(cFile, FILE_ATTRIBUTE_HIDDEN, true); }

}  // namespace qvz::util
