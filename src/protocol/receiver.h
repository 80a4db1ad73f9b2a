#pragma once
// The receiver's rules, decided from the byte stream alone: where a byte
// goes, when a track ends, when bytes and a silence are a header, when to
// acknowledge, what the exit key does, the header's 2-second waits, the log
// lines and each disk's summary. It knows no window, no port and no clock of
// its own: a front end feeds it every byte it takes with the time it took it,
// a clock reading when nothing came by Deadline(), and the exit key, and
// carries out each Step it answers. Times are milliseconds on one steady
// clock, chosen by the front end. Not thread-safe: one thread drives it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "protocol/step.h"
#include "protocol/tail_bytes.h"

namespace qvz::protocol {

// What the receiver waits for.
enum class Waiting {
  kCommand,  // "T", "E", or anything else, ignored; no time limit
  kHeader,   // the two bytes of a track's sector number
  kData,     // the 4608 bytes of an acknowledged track
};

class Receiver {
 public:
  // cExitKey names the key that ends the loop, for the waiting line.
  explicit Receiver(std::string cExitKey);

  // A new disk: the waiting line and an empty image.
  Step Start();

  // A byte taken at nMs.
  Step Byte(unsigned char nByte, std::int64_t nMs);

  // A clock reading at nMs with no byte; call it once Deadline() has come.
  Step Time(std::int64_t nMs);

  // The exit key is down. While a command is awaited: the TAB byte, and the
  // front end decides whether its loop goes on. Inside a track: the track
  // filled and logged, the TAB byte, and the loop stops.
  Step Exit();

  // After a Step that asked for a save: the name the image was saved as, or
  // "" when it was not saved. Answers the disk's summary line.
  Step Saved(const std::string& cName);

  Waiting Awaiting() const;

  // The fewest bytes the remote machine must still send before the
  // receiver can owe it an answer: inside a track, the rest of its data and
  // the next header. A front end that knows the line's speed may let that
  // many bytes arrive unwatched and take them in one batch.
  std::size_t BytesBeforeAnswer() const;

  // When Time() must be called if no byte comes first; none while the
  // receiver may wait for ever.
  std::optional<std::int64_t> Deadline() const;

  // The tracks received since Start(), in arrival order.
  const std::string& Image() const { return cImage; }

 private:
  enum class State { kCommand, kHeaderLow, kHeaderHigh, kData };

  Step CommandByte(unsigned char nByte, std::int64_t nMs);
  Step DataByte(unsigned char nByte, std::int64_t nMs);
  Step SilenceEnded(std::int64_t nMs);
  void AnswerHeader(unsigned nSectorNumber, std::int64_t nMs, Step& oStep);
  void FillTrack(Step& oStep);
  std::size_t TrackCount() const;

  std::string cExitKey;
  State eState = State::kCommand;
  std::string cImage;

  // The header being read.
  unsigned nHeaderLow = 0;
  std::int64_t nHeaderDeadline = 0;

  // The sector number of the last acknowledged header of this disk.
  std::optional<unsigned> nLastHeader;

  // The track opened by the last acknowledged header, open or complete.
  std::optional<std::size_t> nTrackStart;  // its offset in cImage
  int nTrackFirstSector = 0;
  std::int64_t nLongestGap = 0;

  // The bytes since the last acknowledged header or "E", for a header whose
  // answer was lost.
  TailBytes oTail;
  std::int64_t nLastArrival = 0;  // the last byte's time, or the last answer's
  bool lSilenceWatched = false;  // a silence after oTail's last byte is still to be judged

  std::vector<int> aFilledTracks;  // first sector numbers of this disk's filled tracks
};

}  // namespace qvz::protocol
