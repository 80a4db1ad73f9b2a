#include "support/popmsg.h"

#include <windows.h>

#include <memory>

#include "runtime/tone.h"
#include "support/msg_box.h"
#include "support/popup_text.h"
#include "ui/message_pump.h"

namespace qvz::support {
namespace {

using runtime::Value;

enum class Answer { None, Ok, Yes, ButtonCode };

struct BoxKind {
  UINT nStyle;
  bool lTone;
  Answer nAnswer;
};

constexpr BoxKind kBoxKinds[] = {
    {MB_OK | MB_ICONINFORMATION, false, Answer::None},
    {MB_OKCANCEL | MB_ICONQUESTION, true, Answer::Ok},
    {MB_YESNOCANCEL | MB_ICONQUESTION, true, Answer::ButtonCode},
    {MB_YESNO | MB_ICONQUESTION, true, Answer::Yes},
    {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, true, Answer::Yes},
    {MB_OKCANCEL | MB_ICONHAND, true, Answer::Ok},
};

std::unique_ptr<TMsgBox>& OpenPopup() {
  static std::unique_ptr<TMsgBox> oMsgBox;
  return oMsgBox;
}

void ClosePopup() {
  if (auto oMsgBox = std::move(OpenPopup())) oMsgBox->End();
}

Value ShowBox(const std::optional<std::string>& cMsg, int nType, const std::optional<std::string>& cTitle) {
  ClosePopup();
  Value result;
  if (nType >= 1 && nType <= static_cast<int>(std::size(kBoxKinds))) {
    const BoxKind& k = kBoxKinds[nType - 1];
    if (k.lTone) runtime::TONE(880, 1);
    const int nButton = MessageBoxA(GetActiveWindow(), cMsg.value_or("").c_str(),
                                    cTitle.value_or("Attenzione").c_str(), k.nStyle);
    switch (k.nAnswer) {
      case Answer::None: break;
      case Answer::Ok: result = nButton == IDOK; break;
      case Answer::Yes: result = nButton == IDYES; break;
      case Answer::ButtonCode: result = nButton; break;
    }
  }
  ui::SYSREFRESH();
  return result;
}

}  // namespace

Value POPMSG(std::optional<std::string> cMsg, std::optional<int> nType, std::optional<std::string> cTitle,
             std::optional<bool> lUpdate, std::optional<int> nMin, std::optional<int> nMax,
             std::optional<int> nPos, bool lPrint, bool lPage) {
  if (cMsg) cMsg = PopupText(*cMsg);
  if (nType) return ShowBox(cMsg, *nType, cTitle);

  auto& oMsgBox = OpenPopup();
  // A text given without lUpdate leaves the open pop-up's text as it is:
  // only an explicit request replaces what the user is reading.
  const bool lReplace = lUpdate.value_or(false);
  if (!cMsg && !lPrint && !lPage) {
    ClosePopup();
  } else if (!oMsgBox) {
    oMsgBox = std::make_unique<TMsgBox>(cMsg, cTitle, nMin, nMax, lPrint);
  } else if (lReplace || nPos) {
    if (lReplace) oMsgBox->SetMsg(cMsg.value_or(""));
    if (nPos) oMsgBox->SetPos(*nPos);
  } else if (lPage) {
    oMsgBox->SetMsg(std::to_string(++oMsgBox->nPag));
  }
  ui::SYSREFRESH();
  return {};
}

}  // namespace qvz::support
