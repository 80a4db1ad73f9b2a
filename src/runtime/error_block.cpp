#include "runtime/error_block.h"

#include <windows.h>

#include <string>
#include <utility>

#include "runtime/proc_trace.h"
#include "runtime/sequence_break.h"

namespace qvz::runtime {
namespace {

Value ShowAndEnd(std::exception_ptr pError) {
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

Value RaiseError(const RuntimeError& oError) {
  ForgetUnwoundPlace();  // raised here: the procedures running now are where it arose
  return InstalledBlock()(std::make_exception_ptr(oError));
}

void DeliverToErrorBlock(std::exception_ptr pError) noexcept {
  try {
    if (pError) try {
      std::rethrow_exception(pError);
    } catch (const SequenceBreak&) {
      // A break that no guarded sequence took ends at the boundary it
      // reached: its error has been shown already, so the message being
      // handled is abandoned and the program goes on.
      ForgetUnwoundPlace();
      return;
    } catch (...) {
    }
    InstalledBlock()(pError);
  } catch (const SequenceBreak&) {
    // The same for a break the block made of the delivered error.
  } catch (...) {
    // An error block that fails itself leaves nothing sound to return to.
    ExitProcess(1);
  }
  ForgetUnwoundPlace();
}

}  // namespace qvz::runtime
