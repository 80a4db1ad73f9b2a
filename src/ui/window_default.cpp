#include "ui/window_default.h"

#include <utility>

namespace qvz::ui {
namespace {

TWindow*& DefaultWindow() {
  static TWindow* oWnd = nullptr;
  return oWnd;
}

}  // namespace

TWindow* GETWNDDEFAULT() { return DefaultWindow(); }
TWindow* SETWNDDEFAULT(TWindow* oWnd) { return std::exchange(DefaultWindow(), oWnd); }

}  // namespace qvz::ui
