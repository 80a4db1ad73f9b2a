#pragma once
// The run time's environment settings: how dates read and print, how file
// names reach the platform, and the table layer's defaults, which stay
// settings until a table layer reads them. GUI thread only.

#include <optional>

#include "runtime/value.h"

namespace qvz::runtime {

enum class SetItem {
  DefaultDriver,  // text: the table driver new tables use
  MemoExtension,  // text: the default driver's memo file extension
  DbfLockScheme,  // number: where locks on shared tables lie
  Confirm,        // logical: a full entry field waits for Enter
  DateFormat,     // text: d, m and y runs mark day, month and year
  Deleted,        // logical: tables hide deleted records
  Epoch,          // number: first year of the hundred a two-digit year falls in
  FileCase,       // text: "MIXED", "UPPER" or "LOWER", applied to file names
  Margin,         // number: printer left margin
};

// Returns the setting and, given an acceptable value, changes it. Logical
// settings take a logical or a text: one beginning with "ON" means true, one
// beginning with "OFF" false, in any case. A value of the wrong kind leaves
// the setting as it is.
Value SET(SetItem eItem, const std::optional<Value>& xValue = std::nullopt);

// Whether dates show four-digit years. The DATE FORMAT is the one record of
// it: switching CENTURY widens or narrows the format's year to four or two
// digits. Takes a logical or an "ON"/"OFF" text; returns the previous state.
bool SETCENTURY(const std::optional<Value>& xValue = std::nullopt);

}  // namespace qvz::runtime
