#include "screenshot.h"

#include <fstream>
#include <vector>

namespace qvz::ui::test {

bool SaveWindowPicture(HWND hWnd, const std::string& cPath) {
  RECT rc;
  GetWindowRect(hWnd, &rc);
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  HDC hScreen = GetDC(nullptr);
  HDC hMem = CreateCompatibleDC(hScreen);
  HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, w, h);
  HGDIOBJ hOld = SelectObject(hMem, hBitmap);
  BitBlt(hMem, 0, 0, w, h, hScreen, rc.left, rc.top, SRCCOPY);
  SelectObject(hMem, hOld);
  BITMAPINFOHEADER bi{};
  bi.biSize = sizeof bi;
  bi.biWidth = w;
  bi.biHeight = h;
  bi.biPlanes = 1;
  bi.biBitCount = 24;
  const int nStride = (w * 3 + 3) & ~3;
  std::vector<char> aPixels(static_cast<size_t>(nStride) * h);
  GetDIBits(hMem, hBitmap, 0, h, aPixels.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
  DeleteObject(hBitmap);
  DeleteDC(hMem);
  ReleaseDC(nullptr, hScreen);
  BITMAPFILEHEADER bf{};
  bf.bfType = 0x4D42;
  bf.bfOffBits = sizeof bf + sizeof bi;
  bf.bfSize = bf.bfOffBits + static_cast<DWORD>(aPixels.size());
  std::ofstream out(cPath, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&bf), sizeof bf);
  out.write(reinterpret_cast<const char*>(&bi), sizeof bi);
  out.write(aPixels.data(), static_cast<std::streamsize>(aPixels.size()));
  return static_cast<bool>(out);
}

}  // namespace qvz::ui::test
