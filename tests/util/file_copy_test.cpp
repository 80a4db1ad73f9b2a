#include "util/file_copy.h"

#include <gtest/gtest.h>

#include "harness/temp_folder.h"

namespace qvz::util {
namespace {

bool lProbeReached = false;

LRESULT CALLBACK ProbeProcedure(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if (nMsg == WM_APP) lProbeReached = true;
  return DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

TEST(CopyFileTest, OverwritesAnExistingTarget) {
  test::TempFolder oTemp;
  const std::string cSource = oTemp.Path() + "\\NEW.TXT";
  const std::string cTarget = oTemp.Path() + "\\OLD.TXT";
  test::MakeFile(cSource, FILE_ATTRIBUTE_NORMAL, "new content");
  test::MakeFile(cTarget, FILE_ATTRIBUTE_NORMAL, "old");
  EXPECT_TRUE(COPYFILE(cSource, cTarget));
  EXPECT_EQ(test::ContentOf(cTarget), "new content");
  EXPECT_FALSE(COPYFILE(oTemp.Path() + "\\MISSING.TXT", cTarget));
}

// The platform here never reports progress during a copy, so the test calls
// the progress routine as the platform would.
TEST(CopyFileTest, EachProgressReportDispatchesPendingMessagesAndGoesOn) {
  WNDCLASSA oClass{};
  oClass.lpfnWndProc = ProbeProcedure;
  oClass.hInstance = GetModuleHandleA(nullptr);
  oClass.lpszClassName = "QvzCopyProbe";
  RegisterClassA(&oClass);
  const HWND hProbe = CreateWindowExA(0, "QvzCopyProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      oClass.hInstance, nullptr);
  ASSERT_NE(hProbe, nullptr);
  PostMessageA(hProbe, WM_APP, 0, 0);
  const LARGE_INTEGER nZero{};
  EXPECT_EQ(PumpWhileCopying(nZero, nZero, nZero, nZero, 1, CALLBACK_STREAM_SWITCH, nullptr, nullptr, nullptr),
            static_cast<DWORD>(PROGRESS_CONTINUE));
  EXPECT_TRUE(lProbeReached);
  DestroyWindow(hProbe);
}

}  // namespace
}  // namespace qvz::util
