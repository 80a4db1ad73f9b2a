#include "ui/hot_keys.h"

#include <map>
#include <utility>

#include "runtime/proc_trace.h"

namespace qvz::ui {
namespace {

std::map<WPARAM, HotKeyAction>& Actions() {
  static std::map<WPARAM, HotKeyAction> mActions;
  return mActions;
}

const HotKeyAction* HotKeyFor(WPARAM nKey) {
  auto& mActions = Actions();
  auto it = mActions.find(nKey);
  return it == mActions.end() ? nullptr : &it->second;
}

}  // namespace

HotKeyAction SETKEY(int nKey, HotKeyAction bAction) {
  auto& mActions = Actions();
  auto it = mActions.find(static_cast<WPARAM>(nKey));
  HotKeyAction bOld = it == mActions.end() ? HotKeyAction() : std::move(it->second);
  if (bAction)
    mActions[static_cast<WPARAM>(nKey)] = std::move(bAction);
  else if (it != mActions.end())
    mActions.erase(it);
  return bOld;
}

bool RunHotKey(WPARAM nKey, TWindow& oWnd, runtime::Value& result) {
  const HotKeyAction* bAction = HotKeyFor(nKey);
  if (!bAction) return false;
  HotKeyAction bCall = *bAction;  // the action may rebind its own key
  result = bCall(runtime::PROCNAME(), runtime::PROCLINE(), oWnd);
  return true;
}

}  // namespace qvz::ui
