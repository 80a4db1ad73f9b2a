#include "app/key_wake.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace qvz::app {
namespace {

std::vector<RAWINPUTDEVICE> RegisteredDevices() {
  UINT nCount = 0;
  GetRegisteredRawInputDevices(nullptr, &nCount, sizeof(RAWINPUTDEVICE));
  std::vector<RAWINPUTDEVICE> aDevices(nCount);
  if (nCount > 0) GetRegisteredRawInputDevices(aDevices.data(), &nCount, sizeof(RAWINPUTDEVICE));
  return aDevices;
}

// The keyboard's raw input comes to the window also in the background, for
// as long as the KeyWake lives; the waits sleep long only meanwhile.
TEST(KeyWakeTest, RegistersTheKeyboardForTheWindowInTheBackgroundWhileItLives) {
  HWND hWnd = CreateWindowA("STATIC", "receiver", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                            nullptr);
  ASSERT_TRUE(hWnd);
  {
    const KeyWake oKeys(hWnd);
    EXPECT_TRUE(KeysWakeTheWaits());
    const std::vector<RAWINPUTDEVICE> aDevices = RegisteredDevices();
    ASSERT_EQ(aDevices.size(), 1u);
    EXPECT_EQ(aDevices[0].usUsagePage, 0x01);  // generic desktop
    EXPECT_EQ(aDevices[0].usUsage, 0x06);      // keyboard
    EXPECT_EQ(aDevices[0].dwFlags, static_cast<DWORD>(RIDEV_INPUTSINK));
    EXPECT_EQ(aDevices[0].hwndTarget, hWnd);
  }
  EXPECT_FALSE(KeysWakeTheWaits());
  EXPECT_TRUE(RegisteredDevices().empty());
  // Without a window nothing is registered, and the waits keep short sleeps.
  {
    const KeyWake oKeys(nullptr);
    EXPECT_FALSE(KeysWakeTheWaits());
  }
  DestroyWindow(hWnd);
}

}  // namespace
}  // namespace qvz::app
