#pragma once
// Ctrl+C (SIGINT) and a request to stop (SIGTERM) as something poll() can
// wait for: the handler writes one byte into a pipe whose reading end the
// waits watch. While it exists the signals no longer end the process.

namespace qvz::receive {

class InterruptPipe {
 public:
  InterruptPipe();
  ~InterruptPipe();
  InterruptPipe(const InterruptPipe&) = delete;
  InterruptPipe& operator=(const InterruptPipe&) = delete;

  int Fd() const;  // readable once a signal came
  bool Interrupted() const;  // a signal came (and stays counted)
};

}  // namespace qvz::receive
