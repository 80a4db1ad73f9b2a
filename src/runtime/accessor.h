#pragma once
// An accessor: a callable bound to a variable of its owner. Called without a
// value it returns the variable; called with one it stores it and returns it.

#include <functional>
#include <optional>
#include <string>

#include "runtime/value.h"

namespace qvz::runtime {

using Accessor = std::function<Value(const std::optional<Value>& vNew)>;

// An accessor over a text variable, which must outlive it. A value that is
// not a text stores "".
inline Accessor TextAccessor(std::string& cVariable) {
  return [&cVariable](const std::optional<Value>& vNew) -> Value {
    if (vNew) cVariable = vNew->AsText();
    return cVariable;
  };
}

}  // namespace qvz::runtime
