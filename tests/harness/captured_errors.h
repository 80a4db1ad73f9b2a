#pragma once
// The errors a test provokes, kept instead of going to the program's error
// handler (whose report would end the test program). The previous error
// block comes back when the capture goes. Errors may come from any thread;
// each is kept with the thread it was handed over on.

#include <windows.h>

#include <exception>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

#include "runtime/error_block.h"
#include "runtime/runtime_error.h"

namespace qvz::test {

class CapturedErrors {
 public:
  struct Caught {
    runtime::RuntimeError oError;  // an exception of another kind: its what() as the description
    DWORD nThread = 0;
  };

  // bEach, when given, sees each error on the spot, while the place it
  // arose is still known.
  explicit CapturedErrors(std::function<void(const runtime::RuntimeError&)> bEach = nullptr)
      : bEach(std::move(bEach)), bPrevious(runtime::SetErrorBlock([this](std::exception_ptr p) {
          Keep(p);
          return runtime::Value();
        })) {}
  ~CapturedErrors() { runtime::SetErrorBlock(std::move(bPrevious)); }
  CapturedErrors(const CapturedErrors&) = delete;
  CapturedErrors& operator=(const CapturedErrors&) = delete;

  std::vector<Caught> All() const {
    std::lock_guard<std::mutex> lock(oMutex);
    return aCaught;
  }
  std::vector<runtime::RuntimeError> Errors() const {
    std::vector<runtime::RuntimeError> aErrors;
    for (const Caught& c : All()) aErrors.push_back(c.oError);
    return aErrors;
  }

 private:
  void Keep(std::exception_ptr p) {
    Caught c;
    c.nThread = GetCurrentThreadId();
    try {
      std::rethrow_exception(p);
    } catch (const runtime::RuntimeError& e) {
      c.oError = e;
    } catch (const std::exception& e) {
      c.oError.description = e.what();
    } catch (...) {
    }
    if (bEach) bEach(c.oError);
    std::lock_guard<std::mutex> lock(oMutex);
    aCaught.push_back(std::move(c));
  }

  std::function<void(const runtime::RuntimeError&)> bEach;
  mutable std::mutex oMutex;
  std::vector<Caught> aCaught;
  runtime::ErrorBlock bPrevious;
};

}  // namespace qvz::test
