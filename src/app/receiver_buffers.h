#pragma once
// The receiver's two buffers, private to the receiver and touched only on the
// GUI thread:
// - the receive queue: received bytes not consumed yet, appended to by the
//   drain action and taken a byte at a time by the waits; never cleared;
// - the image: the tracks of the disk being received, emptied at the start
//   of every image and read by the writer.

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

void ClearImage();
void AppendToImage(std::string_view cBytes);
const std::string& Image();

}  // namespace qvz::app
