#include "ui/messages.h"

#include <string>

#include "runtime/platform_name.h"

namespace qvz::ui {
namespace {

bool Reachable(HWND hWnd) { return !hWnd || hWnd == HWND_BROADCAST || IsWindow(hWnd); }

bool WantsWide(HWND hWnd) { return hWnd && hWnd != HWND_BROADCAST && IsWindowUnicode(hWnd); }

}  // namespace

runtime::Value SENDMESSAGE(HWND hWnd, UINT nMsg, WPARAM nWParam, const runtime::Value& nLParam) {
  if (!Reachable(hWnd)) return 0;
  const bool lWide = WantsWide(hWnd);
  auto Send = [&](LPARAM l) {
    return static_cast<long long>(lWide ? SendMessageW(hWnd, nMsg, nWParam, l)
                                        : SendMessageA(hWnd, nMsg, nWParam, l));
  };
  if (!nLParam.IsText()) return Send(static_cast<LPARAM>(nLParam.AsInteger()));
  if (lWide && nMsg < WM_USER) {
    std::wstring w = runtime::AnsiToWide(nLParam.AsText());
    return Send(reinterpret_cast<LPARAM>(w.c_str()));
  }
  std::string c = nLParam.AsText();  // NUL-terminated for the receiver
  return Send(reinterpret_cast<LPARAM>(c.c_str()));
}

runtime::Value POSTMESSAGE(HWND hWnd, UINT nMsg, WPARAM nWParam, const runtime::Value& nLParam) {
  if (!Reachable(hWnd) || nLParam.IsText()) return 0;
  LPARAM l = static_cast<LPARAM>(nLParam.AsInteger());
  BOOL ok = WantsWide(hWnd) ? PostMessageW(hWnd, nMsg, nWParam, l) : PostMessageA(hWnd, nMsg, nWParam, l);
  return static_cast<long long>(ok);
}

}  // namespace qvz::ui
