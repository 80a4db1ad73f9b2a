#pragma once
// A bitmap control showing a bitmap resource of the program.

#include <memory>
#include <string>
#include <type_traits>

#include "ui/dialog_item.h"

namespace qvz::ui {

class TBitmap : public TDialogItem {
 public:
  TBitmap(TWindow& oDlg, int nId, const std::string& cResName, ItemPlace oPlace = {});

 protected:
  void Setup() override;

 private:
  struct BitmapDeleter {
    void operator()(HBITMAP hBitmap) const { DeleteObject(hBitmap); }
  };
  // Kept while the control shows it: the control does not own what it is given.
  std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter> hBitmap;
};

}  // namespace qvz::ui
