#include "runtime/error_block.h"

#include <windows.h>

#include <string>

namespace qvz::runtime {
namespace {

void ShowAndEnd(std::exception_ptr pError) {
  std::string cText = "Unexpected error";
  try {
    if (pError) std::rethrow_exception(pError);
  } catch (const std::exception& e) {
    cText = e.what();
  } catch (...) {
  }
  MessageBoxA(nullptr, cText.c_str(), "QVZ", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
  ExitProcess(1);
}

ErrorBlock& InstalledBlock() {
  static ErrorBlock bBlock = ShowAndEnd;
  return bBlock;
}

}  // namespace

ErrorBlock SetErrorBlock(ErrorBlock bBlock) {
  return std::exchange(InstalledBlock(), bBlock ? std::move(bBlock) : ErrorBlock(ShowAndEnd));
}

void DeliverToErrorBlock(std::exception_ptr pError) noexcept {
  try {
    InstalledBlock()(pError);
  } catch (...) {
    // An error block that fails itself leaves nothing sound to return to.
    ExitProcess(1);
  }
}

}  // namespace qvz::runtime
