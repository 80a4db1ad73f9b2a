#pragma once
// The receive queue, private to the receiver and touched only on the GUI
// thread: received bytes not consumed yet, appended to by the drain action
// and taken a byte at a time by the waits; never cleared.

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
