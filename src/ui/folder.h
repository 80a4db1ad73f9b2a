#pragma once
// A folder of pages, each page a dialog, one shown at a time.

#include <vector>

#include "ui/control.h"

namespace qvz::ui {

class TDialog;

class TFolder : public TControl {
 public:
  std::string ClassName() const override { return "TFOLDER"; }
  // Shows page nOption (from 1) and hides the others.
  void SetOption(int nOption);

  std::vector<TDialog*> aDialogs;
  int nOption = 0;
};

}  // namespace qvz::ui
