#pragma once
// A serial line for the tests: a socat pty pair, one end standing in for the
// adapter (the receiver's device), the other for the remote machine, which
// the test drives itself.

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

namespace qvz::receive::test {

// A fresh pair for one test, its links in cFolder: "adapter" and "remote".
// It is stopped by its own process id when the test ends.
class LinePair {
 public:
  explicit LinePair(const std::string& cFolder);
  ~LinePair();
  LinePair(const LinePair&) = delete;
  LinePair& operator=(const LinePair&) = delete;

  const std::string& Adapter() const { return cAdapter; }
  const std::string& Remote() const { return cRemote; }

  // Ends the pair as a pulled adapter does: both ptys go away at once.
  void Pull();

 private:
  std::string cAdapter;
  std::string cRemote;
  pid_t nPid = -1;
};

// The remote machine's end of the line: raw, as the sending program sees it.
class RemoteEnd {
 public:
  explicit RemoteEnd(const std::string& cPath);
  ~RemoteEnd();
  RemoteEnd(const RemoteEnd&) = delete;
  RemoteEnd& operator=(const RemoteEnd&) = delete;

  void Send(const std::string& cBytes);

  // The next byte from the receiver, or nothing after nTimeoutMs.
  std::optional<unsigned char> Receive(int nTimeoutMs);

  // Every byte the receiver sent that no Receive() took yet, read until the
  // line has been quiet for nQuietMs.
  std::string Rest(int nQuietMs);

  // A track as the sending program sends it: the header of sector number
  // nSectorNumber, the wait for its 0x00 (false when none came within
  // nAckTimeoutMs), the data.
  bool Track(unsigned nSectorNumber, const std::string& cData, int nAckTimeoutMs = 10000);

  // The tracks of a disk, numbered from the first, then "E".
  bool Disk(const std::string& cTracks);

 private:
  int nFd = -1;
};

std::string Header(unsigned nSectorNumber);

}  // namespace qvz::receive::test
