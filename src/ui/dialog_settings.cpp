#include "ui/dialog_settings.h"

#include <utility>

namespace qvz::ui {
namespace {

struct DialogSettings {
  bool lEscapeEnds = true;
  bool lCenterOnParent = false;
  std::vector<COLORREF> aGradient;
};

DialogSettings& Settings() {
  static DialogSettings oSettings;
  return oSettings;
}

}  // namespace

bool SETDIALOGESC(std::optional<bool> lOnOff) {
  bool lOld = Settings().lEscapeEnds;
  if (lOnOff) Settings().lEscapeEnds = *lOnOff;
  return lOld;
}

bool SETCENTERONPARENT(std::optional<bool> lOnOff) {
  bool lOld = Settings().lCenterOnParent;
  if (lOnOff) Settings().lCenterOnParent = *lOnOff;
  return lOld;
}

std::vector<COLORREF> SETDLGGRADIENT(std::vector<COLORREF> aColors) {
  return std::exchange(Settings().aGradient, std::move(aColors));
}

const std::vector<COLORREF>& DialogGradient() { return Settings().aGradient; }

}  // namespace qvz::ui
