#include "protocol/receiver.h"

#include <algorithm>
#include <utility>

#include "protocol/log_lines.h"
#include "protocol/track.h"

namespace qvz::protocol {
namespace {

// How long a header byte is awaited, and the silence after which the bytes
// received since the last answer are looked at as a header whose answer the
// remote machine still waits for.
constexpr std::int64_t kByteLimitMs = 2000;

constexpr unsigned char kTrackCommand = 'T';
constexpr unsigned char kEndCommand = 'E';
const std::string kAcknowledge(1, '\x00');
const std::string kAbort(1, '\x09');

// The sector number in the header of a disk's first track, and the step
// from one track's header to the next one's.
constexpr unsigned kFirstHeader = kSectorsPerTrack;
constexpr unsigned kHeaderStep = kSectorsPerTrack;
constexpr unsigned kSectorNumberMask = 0xFFFF;

}  // namespace

Receiver::Receiver(std::string cExitKey) : cExitKey(std::move(cExitKey)) {}

Step Receiver::Start() {
  eState = State::kCommand;
  cImage.clear();
  nLastHeader.reset();
  nTrackStart.reset();
  oTail.Clear();
  lSilenceWatched = false;
  aFilledTracks.clear();
  Step oStep;
  oStep.aLines.push_back(WaitingLine(cExitKey));
  return oStep;
}

Waiting Receiver::Awaiting() const {
  switch (eState) {
    case State::kCommand:
      return Waiting::kCommand;
    case State::kHeaderLow:
    case State::kHeaderHigh:
      return Waiting::kHeader;
    case State::kData:
      break;
  }
  return Waiting::kData;
}

std::size_t Receiver::BytesBeforeAnswer() const {
  constexpr std::size_t kHeaderBytes = 3;  // "T" and the sector number
  switch (eState) {
    case State::kCommand:
      return kHeaderBytes;
    case State::kHeaderLow:
      return 2;
    case State::kHeaderHigh:
      return 1;
    case State::kData:
      break;
  }
  return kTrackBytes - (cImage.size() - *nTrackStart) + kHeaderBytes;
}

std::optional<std::int64_t> Receiver::Deadline() const {
  if (eState == State::kHeaderLow || eState == State::kHeaderHigh) return nHeaderDeadline;
  if (lSilenceWatched) return nLastArrival + kByteLimitMs;
  return std::nullopt;
}

Step Receiver::Byte(unsigned char nByte, std::int64_t nMs) {
  switch (eState) {
    case State::kCommand:
      return CommandByte(nByte, nMs);
    case State::kHeaderLow:
      nHeaderLow = nByte;
      eState = State::kHeaderHigh;
      nHeaderDeadline = nMs + kByteLimitMs;
      return {};
    case State::kHeaderHigh: {
      Step oStep;
      AnswerHeader(nHeaderLow + 256u * nByte, nMs, oStep);
      return oStep;
    }
    case State::kData:
      break;
  }
  return DataByte(nByte, nMs);
}

Step Receiver::CommandByte(unsigned char nByte, std::int64_t nMs) {
  nLastArrival = nMs;
  if (nByte == kEndCommand) {
    oTail.Clear();
    lSilenceWatched = false;
    Step oStep;
    oStep.lSave = true;
    return oStep;
  }
  oTail.Push(nByte, false);
  lSilenceWatched = true;
  if (nByte == kTrackCommand) {
    eState = State::kHeaderLow;
    nHeaderDeadline = nMs + kByteLimitMs;
  }
  return {};
}

Step Receiver::DataByte(unsigned char nByte, std::int64_t nMs) {
  nLongestGap = std::max(nLongestGap, nMs - nLastArrival);
  nLastArrival = nMs;
  cImage.push_back(static_cast<char>(nByte));
  oTail.Push(nByte, true);
  lSilenceWatched = true;
  if (cImage.size() - *nTrackStart < kTrackBytes) return {};
  eState = State::kCommand;
  Step oStep;
  if (nLongestGap >= kByteLimitMs) oStep.aLines.push_back(PausedLine(nTrackFirstSector, nLongestGap));
  return oStep;
}

Step Receiver::Time(std::int64_t nMs) {
  const std::optional<std::int64_t> nDeadline = Deadline();
  if (!nDeadline || nMs < *nDeadline) return {};
  switch (eState) {
    case State::kHeaderLow:  // a header byte that did not come counts as 0
      nHeaderLow = 0;
      eState = State::kHeaderHigh;
      nHeaderDeadline = nMs + kByteLimitMs;
      return {};
    case State::kHeaderHigh: {
      Step oStep;
      AnswerHeader(nHeaderLow, nMs, oStep);
      return oStep;
    }
    case State::kCommand:
    case State::kData:
      break;
  }
  lSilenceWatched = false;
  return SilenceEnded(nMs);
}

// The remote machine sends a header and waits for its answer, so a header
// whose answer was lost is followed by silence. A byte lost inside a track
// makes the next header's bytes land in the track (or, once the track is
// full, be read as commands); a lost "T" leaves the two sector-number bytes
// as commands. Either way the bytes before the silence end with the next
// header's sector number, low byte first. Both conditions together (that
// exact number, and then 2 s of silence) make a false match need a stall of
// the remote machine right after two data bytes that happen to equal the
// next sector number; anything else leaves an open track open.
Step Receiver::SilenceEnded(std::int64_t nMs) {
  if (oTail.Size() < 2) return {};
  const unsigned nNumber = oTail.Byte(1) + 256u * oTail.Byte(0);
  const bool lExpected =
      nNumber == kFirstHeader || (nLastHeader && nNumber == ((*nLastHeader + kHeaderStep) & kSectorNumberMask));
  if (!lExpected) return {};
  const std::size_t nHeaderBytes = oTail.Size() == 3 && oTail.Byte(2) == kTrackCommand ? 3 : 2;
  std::size_t nInTrack = 0;
  for (std::size_t i = 0; i < nHeaderBytes; ++i) nInTrack += oTail.InTrack(i) ? 1 : 0;
  cImage.resize(cImage.size() - nInTrack);
  Step oStep;
  // Where inside the track bytes were lost cannot be known: its zeros go at
  // its end. A track with no data at all was opened by a "T" in noise.
  if (nTrackStart && cImage.size() > *nTrackStart && cImage.size() - *nTrackStart < kTrackBytes) FillTrack(oStep);
  AnswerHeader(nNumber, nMs, oStep);
  return oStep;
}

void Receiver::AnswerHeader(unsigned nSectorNumber, std::int64_t nMs, Step& oStep) {
  const int nFirst = static_cast<int>(nSectorNumber) - kSectorsPerTrack;
  oStep.aLines.push_back(ReceivingLine(nFirst));
  if (nSectorNumber == kFirstHeader && !cImage.empty()) oStep.aLines.push_back(RestartLine());
  oStep.cSend = kAcknowledge;
  nLastHeader = nSectorNumber;
  nTrackStart = cImage.size();
  nTrackFirstSector = nFirst;
  nLongestGap = 0;
  nLastArrival = nMs;
  oTail.Clear();
  lSilenceWatched = false;
  eState = State::kData;
}

void Receiver::FillTrack(Step& oStep) {
  const std::size_t nMissing = kTrackBytes - (cImage.size() - *nTrackStart);
  cImage.append(nMissing, '\0');
  oStep.aLines.push_back(MissingLine(nMissing, nTrackFirstSector));
  aFilledTracks.push_back(nTrackFirstSector);
}

std::size_t Receiver::TrackCount() const { return cImage.size() / kTrackBytes; }

Step Receiver::Exit() {
  Step oStep;
  if (eState == State::kData) FillTrack(oStep);
  if (TrackCount() > 0) oStep.aLines.push_back(NotSavedLine(TrackCount()));
  oStep.cSend = kAbort;
  // Inside a track (its header or its data) the rest of it would be read as
  // commands: the loop stops there, even once the key is up again.
  oStep.lStop = eState != State::kCommand;
  eState = State::kCommand;
  lSilenceWatched = false;
  return oStep;
}

Step Receiver::Saved(const std::string& cName) {
  Step oStep;
  oStep.aLines.push_back(cName.empty() ? NotSavedLine(TrackCount()) : SavedLine(cName, TrackCount(), aFilledTracks));
  return oStep;
}

}  // namespace qvz::protocol
