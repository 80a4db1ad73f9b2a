#include "support/login_state.h"

#include <utility>

namespace qvz::support {
namespace {

struct LoginState {
  std::string cUser = std::string(8, ' ');
  runtime::UniqueHandle hSlot;
  std::string cPassword;
  std::string cTemp;
};

LoginState& Login() {
  static LoginState state;
  return state;
}

std::string StoreAndReturn(std::string& cItem, std::optional<std::string> cValue) {
  if (cValue) cItem = std::move(*cValue);
  return cItem;
}

}  // namespace

std::string SETUSER(std::optional<std::string> cUser) { return StoreAndReturn(Login().cUser, std::move(cUser)); }

HANDLE SETHUSER(std::optional<runtime::UniqueHandle> hSlot) {
  if (hSlot) Login().hSlot = std::move(*hSlot);
  return Login().hSlot.Get();
}

std::string SETPASSWORD(std::optional<std::string> cPassword) {
  return StoreAndReturn(Login().cPassword, std::move(cPassword));
}

std::string SETTEMP(std::optional<std::string> cTemp) { return StoreAndReturn(Login().cTemp, std::move(cTemp)); }

}  // namespace qvz::support
