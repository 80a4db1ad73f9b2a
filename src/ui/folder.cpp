#include "ui/folder.h"

#include "ui/dialog.h"

namespace qvz::ui {

void TFolder::SetOption(int nNewOption) {
  nOption = nNewOption;
  for (size_t i = 0; i < aDialogs.size(); ++i)
    if (aDialogs[i]->hWnd) ShowWindow(aDialogs[i]->hWnd, static_cast<int>(i + 1) == nOption ? SW_SHOW : SW_HIDE);
}

}  // namespace qvz::ui
