#include "support/popmsg.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "harness/box_answerer.h"
#include "runtime/memo_lines.h"
#include "support/current_message.h"
#include "ui/gdi_objects.h"
#include "ui/text_width.h"

namespace qvz::support {
namespace {

using runtime::Value;
using test::BoxAnswerer;
using test::Press;
using test::Type;

// What POPMSG(text, nType) shows and gives when the user answers so.
struct BoxCase {
  const char* cName;
  int nType;
  test::UserAnswer oAnswer;
  std::vector<int> aButtons;
  int nDefault;
  Value result;
};

const BoxCase kBoxCases[] = {
    {"information, Enter", 1, Type(VK_RETURN), {IDOK}, IDOK, Value()},
    {"OK/Cancel, OK", 2, Press(IDOK), {IDOK, IDCANCEL}, IDOK, true},
    {"OK/Cancel, Cancel", 2, Press(IDCANCEL), {IDOK, IDCANCEL}, IDOK, false},
    {"OK/Cancel, Escape", 2, Type(VK_ESCAPE), {IDOK, IDCANCEL}, IDOK, false},
    {"Yes/No/Cancel, No", 3, Press(IDNO), {IDYES, IDNO, IDCANCEL}, IDYES, 7},
    {"Yes/No/Cancel, Enter", 3, Type(VK_RETURN), {IDYES, IDNO, IDCANCEL}, IDYES, 6},
    {"Yes/No/Cancel, Escape", 3, Type(VK_ESCAPE), {IDYES, IDNO, IDCANCEL}, IDYES, 2},
    {"Yes/No, Enter", 4, Type(VK_RETURN), {IDYES, IDNO}, IDYES, true},
    {"Yes/No, No", 4, Press(IDNO), {IDYES, IDNO}, IDYES, false},
    {"Yes/No with No by default, Enter", 5, Type(VK_RETURN), {IDYES, IDNO}, IDNO, false},
    {"Yes/No with No by default, Yes", 5, Press(IDYES), {IDYES, IDNO}, IDNO, true},
    {"stop, OK", 6, Press(IDOK), {IDOK, IDCANCEL}, IDOK, true},
    {"stop, Escape", 6, Type(VK_ESCAPE), {IDOK, IDCANCEL}, IDOK, false},
};

TEST(PopMsgBoxTest, EachKindShowsItsButtonsAndGivesItsAnswer) {
  for (const BoxCase& c : kBoxCases) {
    SCOPED_TRACE(c.cName);
    BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", c.oAnswer);
    Value result = POPMSG("Domanda", c.nType);
    const test::SeenBox& seen = oUser.Seen();
    ASSERT_TRUE(seen.lFound);
    EXPECT_EQ(seen.cText, "Domanda");
    EXPECT_EQ(seen.aButtons, c.aButtons);
    EXPECT_EQ(seen.nDefault, c.nDefault);
    EXPECT_EQ(result, c.result);
  }
}

TEST(PopMsgBoxTest, UnknownKindShowsNothing) {
  EXPECT_TRUE(POPMSG("Niente", 7).IsNil());
  EXPECT_TRUE(POPMSG("Niente", 0).IsNil());
}

TEST(PopMsgBoxTest, SemicolonsBreakLinesAndDosLettersBecomeWindowsLetters) {
  BoxAnswerer oUser(GetCurrentProcessId(), "Titolo", Press(IDOK));
  POPMSG("Citt\x85;perch\x8A \x82 \x8D \x95 \x97", 1, "Titolo");
  EXPECT_EQ(oUser.Seen().cText, "Citt\xE0\r\nperch\xE8 \xE9 \xEC \xF2 \xF9");
}

// A top-level window that is active, as the caller's window is.
class ActiveWindow {
 public:
  ActiveWindow()
      : hWnd(CreateWindowExA(0, "STATIC", "chiamante", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                             nullptr, nullptr, nullptr, nullptr)) {
    SetActiveWindow(hWnd);
  }
  ~ActiveWindow() { DestroyWindow(hWnd); }
  ActiveWindow(const ActiveWindow&) = delete;
  ActiveWindow& operator=(const ActiveWindow&) = delete;
  HWND hWnd;
};

// The wait pop-up of this thread, found by its title.
HWND FindPopup(const char* cTitle) {
  struct Search {
    const char* cTitle;
    HWND hFound;
  } s{cTitle, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM l) {
        auto& s = *reinterpret_cast<Search*>(l);
        char aText[64] = {};
        GetWindowTextA(h, aText, sizeof aText);
        if (IsWindowVisible(h) && lstrcmpA(aText, s.cTitle) == 0) s.hFound = h;
        return s.hFound ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.hFound;
}

std::string ItemText(HWND hDlg, int nId) {
  char aText[256] = {};
  GetDlgItemTextA(hDlg, nId, aText, sizeof aText);
  return aText;
}

TEST(PopMsgPopupTest, MessageBoxClosesThePopupAndEnablesTheCallersWindowFirst) {
  ActiveWindow oCaller;
  ASSERT_EQ(GetActiveWindow(), oCaller.hWnd);
  POPMSG("Sto lavorando;attendere");
  const HWND hPopup = FindPopup("Attendere");
  ASSERT_TRUE(hPopup);
  EXPECT_FALSE(IsWindowEnabled(oCaller.hWnd));
  EXPECT_EQ(ItemText(hPopup, 102), "Sto lavorando\r\nattendere");
  EXPECT_EQ(CURMSG(), "Sto lavorando\r\nattendere");

  BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", Press(IDOK), [&] { return !IsWindow(hPopup); });
  POPMSG("Fatto", 1);
  const test::SeenBox& seen = oUser.Seen();
  ASSERT_TRUE(seen.lFound);
  EXPECT_TRUE(seen.lCheck);  // the pop-up had gone when the box was up
  EXPECT_EQ(seen.hOwner, oCaller.hWnd);
  // The box disables its owner while it is up, and enables it afterwards
  // only if it found it enabled.
  EXPECT_TRUE(IsWindowEnabled(oCaller.hWnd));
  EXPECT_FALSE(CURMSG());
}

TEST(PopMsgPopupTest, PlainPopupIsSizedToItsLinesAndReplacesItsTextOnRequest) {
  const std::string cShown = "Prima riga\r\nla seconda, pi\xF9 lunga";
  int nWidest = 0;
  for (const std::string& cLine : runtime::MemoLines(cShown))
    nWidest = std::max(nWidest, ui::GETTEXTWIDTH(GetActiveWindow(), cLine));
  const int nChrHeight = ui::TFont::Create("Arial", 0, -15)->nChrHeight;

  POPMSG("Prima riga;la seconda, pi\x97 lunga", std::nullopt, "Copia");
  const HWND hPopup = FindPopup("Copia");
  ASSERT_TRUE(hPopup);
  RECT r;
  GetWindowRect(hPopup, &r);
  EXPECT_EQ(r.right - r.left, nWidest + 110);
  EXPECT_EQ(r.bottom - r.top, (2 + 5) * nChrHeight);

  POPMSG("Altro testo");  // no request to replace
  EXPECT_EQ(ItemText(hPopup, 102), cShown);
  POPMSG("Altro testo", std::nullopt, std::nullopt, true);
  EXPECT_EQ(ItemText(hPopup, 102), "Altro testo");
  EXPECT_EQ(CURMSG(), cShown);  // the text it opened with

  POPMSG();
  EXPECT_FALSE(IsWindow(hPopup));
  EXPECT_FALSE(CURMSG());
}

TEST(PopMsgPopupTest, ProgressBarStopsAtItsUpperEnd) {
  POPMSG("Copia in corso", std::nullopt, std::nullopt, std::nullopt, 0, 10);
  const HWND hPopup = FindPopup("Attendere");
  ASSERT_TRUE(hPopup);
  const HWND hBar = FindWindowExA(hPopup, nullptr, PROGRESS_CLASSA, nullptr);
  ASSERT_TRUE(hBar);
  const struct {
    int nPos, nShown;
  } kMoves[] = {{4, 4}, {9, 9}, {10, 10}, {15, 10}, {3, 3}};
  for (auto m : kMoves) {
    POPMSG("Copia in corso", std::nullopt, std::nullopt, false, std::nullopt, std::nullopt, m.nPos);
    EXPECT_EQ(SendMessageA(hBar, PBM_GETPOS, 0, 0), m.nShown) << "moved to " << m.nPos;
    EXPECT_EQ(SendMessageA(hBar, PBM_GETRANGE, FALSE, 0), 10);
    EXPECT_EQ(SendMessageA(hBar, PBM_GETRANGE, TRUE, 0), 0);
  }
  POPMSG();
}

TEST(PopMsgPopupTest, PositionForAPopupWithoutBarIsIgnored) {
  POPMSG("Senza barra");
  POPMSG("Senza barra", std::nullopt, std::nullopt, false, std::nullopt, std::nullopt, 5);
  EXPECT_TRUE(FindPopup("Attendere"));
  POPMSG();
}

TEST(PopMsgPopupTest, PrintingFormCountsPages) {
  POPMSG(std::nullopt, std::nullopt, "Stampa", std::nullopt, std::nullopt, std::nullopt, std::nullopt, true);
  const HWND hPopup = FindPopup("Attendere");  // whatever the title asked for
  ASSERT_TRUE(hPopup);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(hPopup, 201)));
  EXPECT_TRUE(SendDlgItemMessageA(hPopup, 101, STM_GETIMAGE, IMAGE_BITMAP, 0));
  EXPECT_FALSE(CURMSG());
  for (const char* cPage : {"2", "3", "4"}) {
    POPMSG(std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
           false, true);
    EXPECT_EQ(ItemText(hPopup, 102), cPage);
  }
  POPMSG();
  EXPECT_FALSE(IsWindow(hPopup));
}

}  // namespace
}  // namespace qvz::support
