#pragma once
// An environment setting changed for one test and given back after it.

#include "runtime/environment.h"

namespace qvz::runtime {

class ScopedSetting {
 public:
  ScopedSetting(SetItem eSetting, const Value& xValue) : eItem(eSetting), xPrevious(SET(eSetting, xValue)) {}
  ~ScopedSetting() { SET(eItem, xPrevious); }
  ScopedSetting(const ScopedSetting&) = delete;
  ScopedSetting& operator=(const ScopedSetting&) = delete;

 private:
  SetItem eItem;
  Value xPrevious;
};

}  // namespace qvz::runtime
