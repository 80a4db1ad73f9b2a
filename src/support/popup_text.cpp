#include "support/popup_text.h"

namespace qvz::support {
namespace {

char WindowsLetter(char c) {
  switch (static_cast<unsigned char>(c)) {
    case 0x85: return '\xE0';
    case 0x8A: return '\xE8';
    case 0x82: return '\xE9';
    case 0x8D: return '\xEC';
    case 0x95: return '\xF2';
    case 0x97: return '\xF9';
    default: return c;
  }
}

}  // namespace

std::string PopupText(const std::string& cMsg) {
  std::string cText;
  cText.reserve(cMsg.size());
  for (char c : cMsg) {
    if (c == ';')
      cText += "\r\n";
    else
      cText += WindowsLetter(c);
  }
  return cText;
}

}  // namespace qvz::support
