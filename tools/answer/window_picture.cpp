#include "window_picture.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace qvz::tools {
namespace {

std::uint32_t Crc32(const std::string& c) {
  std::uint32_t nCrc = 0xFFFFFFFFu;
  for (unsigned char b : c) {
    nCrc ^= b;
    for (int k = 0; k < 8; ++k) nCrc = (nCrc >> 1) ^ (0xEDB88320u & (0u - (nCrc & 1u)));
  }
  return ~nCrc;
}

void PutBigEndian(std::string& c, std::uint32_t n) {
  for (int s = 24; s >= 0; s -= 8) c += static_cast<char>((n >> s) & 0xFF);
}

void PutChunk(std::string& cOut, const char* cType, const std::string& cData) {
  PutBigEndian(cOut, static_cast<std::uint32_t>(cData.size()));
  std::string cTyped = std::string(cType, 4) + cData;
  cOut += cTyped;
  PutBigEndian(cOut, Crc32(cTyped));
}

// A zlib stream of stored (uncompressed) blocks: the picture is small and
// this needs no compression library.
std::string StoredZlib(const std::string& cRaw) {
  std::string c = "\x78\x01";
  for (size_t i = 0; i == 0 || i < cRaw.size(); i += 65535) {
    const size_t n = std::min<size_t>(65535, cRaw.size() - i);
    c += static_cast<char>(i + n >= cRaw.size() ? 1 : 0);
    c += static_cast<char>(n & 0xFF);
    c += static_cast<char>(n >> 8);
    c += static_cast<char>(~n & 0xFF);
    c += static_cast<char>((~n >> 8) & 0xFF);
    c.append(cRaw, i, n);
  }
  std::uint32_t a = 1, b = 0;
  for (unsigned char x : cRaw) {
    a = (a + x) % 65521;
    b = (b + a) % 65521;
  }
  PutBigEndian(c, (b << 16) | a);
  return c;
}

}  // namespace

bool SaveWindowPng(HWND hWnd, const std::string& cPath) {
  RECT rc;
  if (!GetWindowRect(hWnd, &rc)) return false;
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
  bi.biHeight = -h;  // top row first
  bi.biPlanes = 1;
  bi.biBitCount = 32;
  std::vector<unsigned char> aPixels(static_cast<size_t>(w) * h * 4);
  GetDIBits(hMem, hBitmap, 0, h, aPixels.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
  DeleteObject(hBitmap);
  DeleteDC(hMem);
  ReleaseDC(nullptr, hScreen);

  std::string cRaw;
  cRaw.reserve(static_cast<size_t>(h) * (w * 3 + 1));
  for (int y = 0; y < h; ++y) {
    cRaw += '\0';  // no filter
    for (int x = 0; x < w; ++x) {
      const unsigned char* p = &aPixels[(static_cast<size_t>(y) * w + x) * 4];
      cRaw += static_cast<char>(p[2]);
      cRaw += static_cast<char>(p[1]);
      cRaw += static_cast<char>(p[0]);
    }
  }
  std::string cHeader;
  PutBigEndian(cHeader, static_cast<std::uint32_t>(w));
  PutBigEndian(cHeader, static_cast<std::uint32_t>(h));
  cHeader += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
  std::string cPng = "\x89PNG\r\n\x1a\n";
  PutChunk(cPng, "IHDR", cHeader);
  PutChunk(cPng, "IDAT", StoredZlib(cRaw));
  PutChunk(cPng, "IEND", "");
  std::ofstream out(cPath, std::ios::binary);
  out << cPng;
  return static_cast<bool>(out);
}

}  // namespace qvz::tools
