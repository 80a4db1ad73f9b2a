#include "ui/window_geometry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "test_window.h"

namespace qvz::ui {

// How a failed expectation shows a rectangle.
std::ostream& operator<<(std::ostream& os, const WndRect& r) {
  return os << "{top " << r.nTop << ", left " << r.nLeft << ", bottom " << r.nBottom << ", right "
            << r.nRight << "}";
}

namespace {

using test::MakeWindow;
using test::UniqueWindow;

TEST(WindowGeometryTest, RectangleOfAWindowOrOfNone) {
  UniqueWindow hWnd = MakeWindow(WS_POPUP, 30, 40, 200, 100);
  ASSERT_TRUE(hWnd);
  EXPECT_EQ(GETWNDRECT(hWnd.get()), (WndRect{40, 30, 140, 230}));
  EXPECT_EQ(GETWNDRECT(nullptr), WndRect{});

  HWND hGone = hWnd.get();
  hWnd.reset();
  EXPECT_EQ(GETWNDRECT(hGone), WndRect{});
}

enum class Reference { kNone, kDestroyed, kOwner, kParent };

// Where the window must land: centred over the reference area, each half
// cut towards zero, in screen coordinates.
WndRect Centred(const RECT& rArea, int nWidth, int nHeight) {
  const int nLeft = rArea.left + (rArea.right - rArea.left) / 2 - nWidth / 2;
  const int nTop = rArea.top + (rArea.bottom - rArea.top) / 2 - nHeight / 2;
  return {nTop, nLeft, nTop + nHeight, nLeft + nWidth};
}

TEST(WindowGeometryTest, CentresOverParentOrDesktop) {
  const struct {
    const char* cWhat;
    Reference eReference;
    int nWidth, nHeight;
  } aCases[] = {
      {"no parent: the desktop", Reference::kNone, 502, 540},
      {"a parent that is gone: the desktop", Reference::kDestroyed, 301, 201},
      {"a dialog owned by the parent: over its client area", Reference::kOwner, 151, 99},
      {"a child window: in its parent's client area", Reference::kParent, 120, 81},
  };
  RECT rDesktop{};
  GetWindowRect(GetDesktopWindow(), &rDesktop);

  for (const auto& oCase : aCases) {
    SCOPED_TRACE(oCase.cWhat);
    UniqueWindow hParent = MakeWindow(WS_POPUP | WS_CAPTION, 100, 60, 400, 300);
    ASSERT_TRUE(hParent);
    HWND hReference = oCase.eReference == Reference::kNone ? nullptr : hParent.get();
    if (oCase.eReference == Reference::kDestroyed) hParent.reset();
    const bool lLiveReference = hParent && hReference;
    const DWORD nStyle = oCase.eReference == Reference::kParent ? WS_CHILD : WS_POPUP;
    UniqueWindow hWnd = MakeWindow(nStyle, 3, 4, oCase.nWidth, oCase.nHeight,
                                   lLiveReference ? hReference : nullptr);
    ASSERT_TRUE(hWnd);

    RECT rArea = rDesktop;
    if (lLiveReference) {
      GetClientRect(hReference, &rArea);
      MapWindowPoints(hReference, nullptr, reinterpret_cast<POINT*>(&rArea), 2);
    }
    WNDCENTER(hWnd.get(), hReference);
    EXPECT_EQ(GETWNDRECT(hWnd.get()), Centred(rArea, oCase.nWidth, oCase.nHeight));
  }
}

}  // namespace
}  // namespace qvz::ui
