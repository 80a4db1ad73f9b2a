#include "ui/bitmap_control.h"

namespace qvz::ui {

TBitmap::TBitmap(TWindow& oDlg, int nId, const std::string& cResName, ItemPlace oPlace)
    : TDialogItem(oDlg, nId, "STATIC", WS_CHILD | WS_VISIBLE | SS_BITMAP, "", oPlace),
      hBitmap(LoadBitmapA(GetModuleHandleA(nullptr), cResName.c_str())) {}

void TBitmap::Setup() {
  SendMessageA(hWnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap.get()));
}

}  // namespace qvz::ui
