#pragma once
// The processor time a process of this machine has used so far, user and
// system together, as the kernel counts it (all its threads, also those
// that have ended). Read from /proc, so it works for the processes of a
// Windows program under Wine too, whose own accounts read 0 for others.

#include <optional>

namespace qvz::tools {

// Seconds, or none when the process is not there.
std::optional<double> ProcessCpuSeconds(int nPid);

}  // namespace qvz::tools
