#include "support/msg_box.h"

#include <algorithm>
#include <utility>

#include "runtime/memo_lines.h"
#include "support/current_message.h"
#include "ui/bitmap_control.h"
#include "ui/icon_control.h"
#include "ui/message_pump.h"
#include "ui/push_button.h"
#include "ui/say.h"
#include "ui/text_width.h"
#include "ui/window_geometry.h"

namespace qvz::support {
namespace {

// A row of text is 8 dialog units high, a column 4 wide.
constexpr ui::ItemPlace kIconPlace{4, 4, 0, 0};  // row 0.5, column 1
constexpr int kPageText = 102;
constexpr int kCancelButton = 201;

std::string WithoutTrailingBlanks(std::string c) {
  c.erase(c.find_last_not_of(' ') + 1);
  return c;
}

bool IsBlank(const std::string& c) { return c.find_first_not_of(' ') == std::string::npos; }

// A pop-up is not closed while Escape or F4 is down: the key that ended the
// caller's work would otherwise end the pop-up as well.
bool RefuseWhileEscapeOrF4(ui::TWindow&) {
  return !(GetKeyState(VK_ESCAPE) & 0x8000) && !(GetKeyState(VK_F4) & 0x8000);
}

struct Measure {
  int nLines = 1;
  int nWidth = 0;  // the width term of the dialog's size
};

// An absent text is measured as an empty one.
Measure MeasureText(const std::optional<std::string>& cMsg) {
  const std::string cText = cMsg.value_or("");
  if (IsBlank(cText)) {
    SetCurMsg("");
    return {1, static_cast<int>(cText.size()) - 100};
  }
  Measure m;
  const auto aLines = runtime::MemoLines(cText);
  m.nLines = static_cast<int>(aLines.size());
  for (const std::string& cLine : aLines)
    m.nWidth = std::max(m.nWidth, ui::GETTEXTWIDTH(GetActiveWindow(), WithoutTrailingBlanks(cLine)));
  SetCurMsg(cText);
  return m;
}

}  // namespace

TMsgBox::TMsgBox(const std::optional<std::string>& cMsg, const std::optional<std::string>& cTitle,
                 std::optional<int> nMin, std::optional<int> nMax, bool lPrint) {
  if (lPrint)
    NewPrinting();
  else
    NewPlain(cMsg, cTitle.value_or("Attendere"), nMin, nMax);
  PostMessageA(oDlg.hWnd, WM_SETFOCUS, 0, 0);
  if (hWnd) EnableWindow(hWnd, FALSE);
}

void TMsgBox::NewPlain(const std::optional<std::string>& cMsg, const std::string& cTitle,
                       std::optional<int> nMin, std::optional<int> nMax) {
  Measure m = MeasureText(cMsg);
  hWnd = GetActiveWindow();
  oFont = ui::TFont::Create("Arial", 0, -15);
  ui::TDialog::NewArgs a;
  a.cCaption = cTitle;
  a.nStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION;
  oDlg.New(a);
  oDlg.lModify = false;
  oDlg.lHelpIcon = false;
  oDlg.oCursor = ui::TCursor::Wait();
  aOwnedControls.push_back(std::make_unique<ui::TIcon>(oDlg, 101, 32515, kIconPlace));
  auto oSay = std::make_unique<ui::TSay>(oDlg, kPageText, cMsg.value_or(""));
  oSay->oFont = oFont;
  ui::TSay* oText = oSay.get();
  aOwnedControls.push_back(std::move(oSay));
  if (nMin) {
    auto oBar = std::make_unique<ui::TProgress>(oDlg, 103);
    oPrg = oBar.get();
    aOwnedControls.push_back(std::move(oBar));
    ++m.nLines;
    m.nWidth += 5;
  }
  ui::TDialog::ActivateArgs act;
  act.lModal = false;
  // The close guard lets a dialog without changes end, so the pop-up needs
  // no guard until its init action puts in the key check.
  act.bInit = [this, oText, m, nMin, nMax](ui::TDialog& d) {
    d.SetSize(m.nWidth + 110, (m.nLines + 5) * oFont->nChrHeight);
    oText->Move(20, 65, d.nWidth() - 90, d.nHeight() - 80);
    if (oPrg) {
      oPrg->Move(d.nHeight() - 60, 15, d.nWidth() - 35, 20);
      oPrg->SetRange(*nMin, nMax.value_or(oPrg->nMax));
    }
    d.bValid = RefuseWhileEscapeOrF4;
    ui::WNDCENTER(d.hWnd, nullptr);
    return runtime::Value();
  };
  oDlg.Activate(std::move(act));
}

void TMsgBox::NewPrinting() {
  nPag = 1;
  hWnd = GetActiveWindow();
  ui::TDialog::NewArgs a;
  a.cCaption = "Attendere";
  a.cResName = "PRINTDLG";
  oDlg.New(a);
  oDlg.lModify = false;
  oDlg.lHelpIcon = false;
  aOwnedControls.push_back(std::make_unique<ui::TBitmap>(oDlg, 101, "PRINT"));
  aOwnedControls.push_back(std::make_unique<ui::TSay>(oDlg, kPageText, ""));
  aOwnedControls.push_back(std::make_unique<ui::TButton>(oDlg, kCancelButton, "&Annulla"));
  ui::TDialog::ActivateArgs act;
  act.lModal = false;
  act.bInit = [](ui::TDialog& d) {
    d.SetSize(std::nullopt, d.nHeight() - 33);
    ui::WNDCENTER(d.hWnd, nullptr);
    ShowWindow(d.GetItem(kCancelButton), SW_HIDE);
    return runtime::Value();
  };
  oDlg.Activate(std::move(act));
}

TMsgBox::~TMsgBox() {
  if (oDlg.hWnd && IsWindow(oDlg.hWnd)) DestroyWindow(oDlg.hWnd);
}

void TMsgBox::End() {
  if (hWnd) {
    EnableWindow(hWnd, TRUE);
    ui::SYSREFRESH();
  }
  oDlg.bValid = nullptr;
  oDlg.End();
  SetCurMsg(std::nullopt);
}

void TMsgBox::SetMsg(const std::string& cMsg) {
  if (oDlg.aControls.size() > 1 && oDlg.aControls[1]->hWnd)
    SetWindowTextA(oDlg.aControls[1]->hWnd, cMsg.c_str());
}

void TMsgBox::SetPos(int n) {
  if (!oPrg) return;
  if (n < oPrg->nMax) {
    oPrg->SetPos(n + 1);
    oPrg->SetPos(n);
    return;
  }
  const int nTop = oPrg->nMax;
  oPrg->SetRange(oPrg->nMin, nTop + 1);
  oPrg->SetPos(nTop + 1);
  oPrg->SetRange(oPrg->nMin, nTop);
  oPrg->SetPos(nTop);
}

}  // namespace qvz::support
