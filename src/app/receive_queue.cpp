#include "app/receive_queue.h"

#include "app/byte_queue.h"

namespace qvz::app {
namespace {

ByteQueue& Queue() {
  static ByteQueue cQueue;
  return cQueue;
}

}  // namespace

void AppendToQueue(std::string_view cBytes) { Queue().Append(cBytes); }
std::string GETCHAR() { return Queue().Take(); }
std::size_t QueuedBytes() { return Queue().Size(); }

}  // namespace qvz::app
