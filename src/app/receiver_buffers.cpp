#include "app/receiver_buffers.h"

#include "app/byte_queue.h"

namespace qvz::app {
namespace {

ByteQueue& Queue() {
  static ByteQueue cQueue;
  return cQueue;
}

std::string& ImageBuffer() {
  static std::string cImage;
  return cImage;
}

}  // namespace

void AppendToQueue(std::string_view cBytes) { Queue().Append(cBytes); }
std::string GETCHAR() { return Queue().Take(); }
std::size_t QueuedBytes() { return Queue().Size(); }

void ClearImage() { ImageBuffer().clear(); }
void AppendToImage(std::string_view cBytes) { ImageBuffer().append(cBytes); }
const std::string& Image() { return ImageBuffer(); }

}  // namespace qvz::app
