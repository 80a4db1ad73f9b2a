#include "ui/dialog_template.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "runtime/accessor.h"
#include "test_window.h"
#include "ui/dialog.h"
#include "ui/multi_get.h"
#include "ui/window_geometry.h"

namespace qvz::ui {
namespace {

using test::MakeDialog;
using test::UniqueWindow;

std::string Le16(unsigned nValue) {
  return {static_cast<char>(nValue & 0xFF), static_cast<char>((nValue >> 8) & 0xFF)};
}

std::string Le32(std::uint32_t nValue) { return Le16(nValue & 0xFFFF) + Le16(nValue >> 16); }

// A text as the template stores it: UTF-16 with its terminating 0.
std::string Utf16z(std::u16string_view cText) {
  std::string cBytes;
  for (char16_t c : cText) cBytes += Le16(c);
  return cBytes + Le16(0);
}

std::string Zeros(std::size_t nCount) { return std::string(nCount, '\0'); }

// The fixed 22 bytes of a header: style, extended style, item count, x, y,
// cx, cy, no menu, the dialog class.
std::string HeaderFields(std::uint32_t nStyle, std::uint32_t nExStyle, unsigned nItems, unsigned nX,
                         unsigned nY, unsigned nCx, unsigned nCy) {
  return Le32(nStyle) + Le32(nExStyle) + Le16(nItems) + Le16(nX) + Le16(nY) + Le16(nCx) +
         Le16(nCy) + Le16(0) + Le16(0);
}

// The fixed 18 bytes of an item: style, no extended style, x, y, cx, cy, identifier.
std::string ItemFields(std::uint32_t nStyle, unsigned nX, unsigned nY, unsigned nCx, unsigned nCy,
                       unsigned nId) {
  return Le32(nStyle) + Le32(0) + Le16(nX) + Le16(nY) + Le16(nCx) + Le16(nCy) + Le16(nId);
}

std::string Hex(const std::string& cBytes) {
  std::string cHex;
  char cByte[4];
  for (unsigned char c : cBytes) {
    std::snprintf(cByte, sizeof cByte, "%02X ", c);
    cHex += cByte;
  }
  return cHex;
}

unsigned WordAt(const std::string& cRecord, std::size_t nOffset) {
  return static_cast<unsigned char>(cRecord[nOffset]) |
         static_cast<unsigned char>(cRecord[nOffset + 1]) << 8;
}

std::uint32_t DwordAt(const std::string& cRecord, std::size_t nOffset) {
  return WordAt(cRecord, nOffset) | static_cast<std::uint32_t>(WordAt(cRecord, nOffset + 2)) << 16;
}

struct RecordCase {
  const char* cWhat;
  std::string cBuilt;
  std::string cExpected;
};

void ExpectRecords(const std::initializer_list<RecordCase>& aCases) {
  for (const RecordCase& oCase : aCases) {
    EXPECT_EQ(Hex(oCase.cBuilt), Hex(oCase.cExpected)) << oCase.cWhat;
    EXPECT_EQ(oCase.cBuilt.size() % 4, 0u) << oCase.cWhat;
  }
}

class DialogTemplateTest : public ::testing::Test {
 protected:
  // Every expectation below reads 0xE0 as the "a" with a grave accent.
  void SetUp() override { ASSERT_EQ(GetACP(), 1252u); }
};

TEST_F(DialogTemplateTest, HeaderRecords) {
  constexpr std::uint32_t kFramed = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  ExpectRecords({
      {"one-character title: 26 bytes padded to 28",
       CDLG2CHR(3, 10, 20, 110, 220, "\xE0", kFramed),
       HeaderFields(kFramed, 0, 3, 20, 10, 201, 101) + Utf16z(u"\u00E0") + Zeros(2)},
      {"empty title: 24 bytes, no padding", CDLG2CHR(1, 0, 0, 9, 39, "", 0),
       HeaderFields(0, 0, 1, 0, 0, 40, 10) + Utf16z(u"")},
      {"style 2: popup with transparent extended style", CDLG2CHR(0, 0, 0, 0, 0, "", 2),
       HeaderFields(0x80000002, WS_EX_TRANSPARENT, 0, 0, 0, 1, 1) + Utf16z(u"")},
      {"style 0x10000000 becomes 0xC0000000", CDLG2CHR(0, 0, 0, 0, 0, "", 0x10000000),
       HeaderFields(0xC0000000, 0, 0, 0, 0, 1, 1) + Utf16z(u"")},
      {"negative coordinates in 16 bits", CDLG2CHR(0, -5, -8, 4, 1, "", 0),
       HeaderFields(0, 0, 0, 0xFFF8, 0xFFFB, 10, 10) + Utf16z(u"")},
      {"font fields follow the title, the whole padded",
       CDLG2CHR(2, 0, 0, 99, 199, "Caf\xE0", DS_SETFONT, 8, "Arial"),
       HeaderFields(DS_SETFONT, 0, 2, 0, 0, 200, 100) + Utf16z(u"Caf\u00E0") + Le16(8) +
           Utf16z(u"Arial") + Zeros(2)},
      {"point size alone: empty face name", CDLG2CHR(0, 0, 0, 0, 0, "", 0, 9),
       HeaderFields(0, 0, 0, 0, 0, 1, 1) + Utf16z(u"") + Le16(9) + Utf16z(u"")},
      {"face name alone: point size 0", CDLG2CHR(0, 0, 0, 0, 0, "", 0, std::nullopt, "\xE0"),
       HeaderFields(0, 0, 0, 0, 0, 1, 1) + Utf16z(u"") + Le16(0) + Utf16z(u"\u00E0") + Zeros(2)},
  });
}

TEST_F(DialogTemplateTest, ItemRecords) {
  constexpr std::uint32_t kEdit = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  ExpectRecords({
      {"EDIT with an empty caption: 18 + 10 + 2 + 2 = 32",
       CCTRL2CHR(4, 6, 23, 105, 101, kEdit, "EDIT", ""),
       ItemFields(kEdit, 6, 4, 100, 20, 101) + Utf16z(u"EDIT") + Utf16z(u"") + Le16(0)},
      {"class and caption converted, 38 bytes padded to 40",
       CCTRL2CHR(0, 0, 13, 49, 7, WS_CHILD, "Caf\xE0", "Ok\xE0"),
       ItemFields(WS_CHILD, 0, 0, 50, 14, 7) + Utf16z(u"Caf\u00E0") + Utf16z(u"Ok\u00E0") +
           Le16(0) + Zeros(2)},
      {"identifier -1 and negative coordinates in 16 bits",
       CCTRL2CHR(-1, -2, 8, 7, -1, 0, "STATIC", "A"),
       ItemFields(0, 0xFFFE, 0xFFFF, 10, 10, 0xFFFF) + Utf16z(u"STATIC") + Utf16z(u"A") + Le16(0) +
           Zeros(2)},
      {"a caption ends at its first NUL",
       CCTRL2CHR(0, 0, 0, 0, 1, 0, "EDIT", std::string("ab\0cd", 5)),
       ItemFields(0, 0, 0, 1, 1, 1) + Utf16z(u"EDIT") + Utf16z(u"ab") + Le16(0)},
  });
}

// The main dialog of the receiver: 500 by 500 pixels at 0, 0 with no owner,
// style 0 and the log as its one control, as the dialog builds its template.
TEST_F(DialogTemplateTest, ReceiverMainDialog) {
  const int nUnits = GETDLGBASEUNITS();
  const int bx = nUnits & 0xFFFF;
  const int by = (nUnits >> 16) & 0xFFFF;
  ASSERT_GT(bx, 0);
  ASSERT_GT(by, 0);
  TDialog::NewArgs d;
  d.cCaption = "QVZ";
  d.nStyle = 0;
  d.nPixelRight = 500;
  d.nPixelBottom = 500;
  TDialog oDlg(d);
  std::string cLog;
  TMultiGet oLog({.nTop = 0, .nLeft = 0, .bSetGet = runtime::TextAccessor(cLog), .lReadOnly = true});
  const std::string cTemplate = oDlg.cToChar(nullptr);
  const std::string cHeader = cTemplate.substr(0, 32);

  EXPECT_EQ(DwordAt(cHeader, 0), 0u);    // style
  EXPECT_EQ(DwordAt(cHeader, 4), 0u);    // extended style
  EXPECT_EQ(WordAt(cHeader, 8), 1u);     // items
  EXPECT_EQ(WordAt(cHeader, 10), 0u);    // x
  EXPECT_EQ(WordAt(cHeader, 12), 0u);    // y
  EXPECT_EQ(WordAt(cHeader, 14), static_cast<unsigned>(2000 / bx + 1));  // cx: 500 pixels, 4 units a base width
  EXPECT_EQ(WordAt(cHeader, 16), static_cast<unsigned>(4000 / by + 1));  // cy: 500 pixels, 8 units a base height
  EXPECT_EQ(WordAt(cHeader, 18), 0u);    // menu
  EXPECT_EQ(WordAt(cHeader, 20), 0u);    // class
  EXPECT_EQ(cHeader.substr(22), Utf16z(u"QVZ") + Zeros(2));
  EXPECT_EQ(cTemplate.substr(32), oLog.cToChar()) << "the log's item follows";

  // Made by the platform, its window is 500 pixels each way, short of one
  // dialog unit's rounding (style 0 gives the frame no room of its own).
  UniqueWindow hDlg = MakeDialog(cTemplate);
  ASSERT_TRUE(hDlg);
  const WndRect rWindow = GETWNDRECT(hDlg.get());
  EXPECT_GE(rWindow.nRight - rWindow.nLeft, 500);
  EXPECT_LE(rWindow.nRight - rWindow.nLeft, 500 + (bx + 3) / 4);
  EXPECT_GE(rWindow.nBottom - rWindow.nTop, 500);
  EXPECT_LE(rWindow.nBottom - rWindow.nTop, 500 + (by + 7) / 8);
}

std::wstring TextOf(HWND hWnd) {
  wchar_t cText[64] = {};
  GetWindowTextW(hWnd, cText, 64);
  return cText;
}

std::wstring ClassOf(HWND hWnd) {
  wchar_t cClass[64] = {};
  GetClassNameW(hWnd, cClass, 64);
  CharUpperW(cClass);
  return cClass;
}

// Pixels of a dialog's own units, field by field.
RECT PixelsOf(HWND hDlg, int nX, int nY, int nCx, int nCy) {
  RECT r{nX, nY, nCx, nCy};
  MapDialogRect(hDlg, &r);
  return r;
}

TEST_F(DialogTemplateTest, PlatformMakesTheDialogDescribed) {
  constexpr std::uint32_t kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const struct {
    const char* cWhat;
    std::string cHeader;
  } aHeaders[] = {
      {"system font", CDLG2CHR(2, 0, 0, 59, 119, "Caf\xE0", kStyle)},
      {"own font", CDLG2CHR(2, 0, 0, 59, 119, "Caf\xE0", kStyle | DS_SETFONT, 8, "Tahoma")},
  };
  const std::string cItems =
      CCTRL2CHR(5, 7, 20, 60, 101, WS_CHILD | WS_VISIBLE | ES_LEFT, "EDIT", "") +
      CCTRL2CHR(25, 7, 38, 60, 102, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, "BUTTON", "Ok\xE0");

  for (const auto& oCase : aHeaders) {
    SCOPED_TRACE(oCase.cWhat);
    UniqueWindow hDlg = MakeDialog(oCase.cHeader + cItems);
    ASSERT_TRUE(hDlg);
    EXPECT_EQ(TextOf(hDlg.get()), L"Caf\u00E0");
    RECT rClient{};
    GetClientRect(hDlg.get(), &rClient);
    const RECT rSize = PixelsOf(hDlg.get(), 0, 0, 120, 60);
    EXPECT_EQ(rClient.right, rSize.right);
    EXPECT_EQ(rClient.bottom, rSize.bottom);

    HWND hEdit = GetDlgItem(hDlg.get(), 101);
    ASSERT_NE(hEdit, nullptr);
    EXPECT_EQ(GetDlgCtrlID(hEdit), 101);
    EXPECT_EQ(ClassOf(hEdit), L"EDIT");
    RECT rEdit{};
    GetWindowRect(hEdit, &rEdit);
    MapWindowPoints(nullptr, hDlg.get(), reinterpret_cast<POINT*>(&rEdit), 2);
    const RECT rPlace = PixelsOf(hDlg.get(), 7, 5, 54, 16);
    EXPECT_EQ(rEdit.left, rPlace.left);
    EXPECT_EQ(rEdit.top, rPlace.top);
    EXPECT_EQ(rEdit.right - rEdit.left, rPlace.right);
    EXPECT_EQ(rEdit.bottom - rEdit.top, rPlace.bottom);

    HWND hButton = GetDlgItem(hDlg.get(), 102);
    ASSERT_NE(hButton, nullptr);
    EXPECT_EQ(ClassOf(hButton), L"BUTTON");
    EXPECT_EQ(TextOf(hButton), L"Ok\u00E0");
  }
}

}  // namespace
}  // namespace qvz::ui
