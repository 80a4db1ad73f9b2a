#pragma once
// qvz-receive's exit statuses, shared with the Linux launcher of the window
// program.

namespace qvz::receive {

constexpr int kEndedByUser = 0;
constexpr int kFatal = 1;
constexpr int kProblem = 2;  // usage, device, rights
constexpr int kAdapterLost = 3;

}  // namespace qvz::receive
