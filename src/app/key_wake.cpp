#include "app/key_wake.h"

namespace qvz::app {
namespace {

constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kKeyboardUsage = 0x06;

bool& Registered() {
  static bool lRegistered = false;
  return lRegistered;
}

bool Register(HWND hWnd, DWORD nFlags) {
  RAWINPUTDEVICE oDevice{kGenericDesktopPage, kKeyboardUsage, nFlags, hWnd};
  return RegisterRawInputDevices(&oDevice, 1, sizeof oDevice) != FALSE;
}

}  // namespace

KeyWake::KeyWake(HWND hWnd) {
  // RIDEV_INPUTSINK: the input comes also while another window has the
  // focus; nothing is taken from that window, which still gets its keys.
  Registered() = hWnd && Register(hWnd, RIDEV_INPUTSINK);
}

KeyWake::~KeyWake() {
  if (Registered()) Register(nullptr, RIDEV_REMOVE);
  Registered() = false;
}

bool KeysWakeTheWaits() { return Registered(); }

}  // namespace qvz::app
