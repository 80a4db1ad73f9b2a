#pragma once
// The receiver's queue of received bytes that it has not consumed yet. It is
// appended to by the drain action and taken from, a byte at a time, by the
// waits; it is never cleared. GUI thread only.

#include <cstddef>
#include <string>
#include <string_view>

namespace qvz::app {

// Appends received bytes, in arrival order.
void AppendToQueue(std::string_view cBytes);

// The first byte of the queue, removed from it; "" when the queue is empty.
std::string GETCHAR();

// How many bytes wait in the queue.
std::size_t QueuedBytes();

}  // namespace qvz::app
