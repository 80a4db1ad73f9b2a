#include "protocol/log_lines.h"

#include "protocol/image_layout.h"
#include "protocol/track.h"

namespace qvz::protocol {
namespace {

constexpr std::int64_t kTenthMs = 100;

std::string Range(int nFirstSector) {
  return std::to_string(nFirstSector) + " to " + std::to_string(nFirstSector + kSectorsPerTrack - 1);
}

std::string Counted(std::size_t n, const char* cOne, const char* cMany) {
  return std::to_string(n) + " " + (n == 1 ? cOne : cMany);
}

// Seconds with one decimal, rounded to the nearest tenth.
std::string Seconds(std::int64_t nMs) {
  const std::int64_t nTenths = (nMs + kTenthMs / 2) / kTenthMs;
  return std::to_string(nTenths / 10) + "." + std::to_string(nTenths % 10);
}

}  // namespace

std::string WaitingLine(const std::string& cExitKey) { return "Waiting data (" + cExitKey + " to exit)..."; }

std::string ReceivingLine(int nFirstSector) { return "Receiving sectors " + Range(nFirstSector); }

std::string MissingLine(std::size_t nMissing, int nFirstSector) {
  return "Missing " + Counted(nMissing, "byte", "bytes") + " in sectors " + Range(nFirstSector) + ", filled with 0";
}

std::string PausedLine(int nFirstSector, std::int64_t nPauseMs) {
  return "Sectors " + Range(nFirstSector) + ": paused " + Seconds(nPauseMs) + " s, complete";
}

std::string RestartLine() {
  return "Sector numbers restart at 0: the end of the previous disk may have been lost";
}

std::string SavedLine(const std::string& cName, std::size_t nTracks, const std::vector<int>& aFilledTracks) {
  std::string c = "Disk saved as " + cName + ": " + Counted(nTracks, "track", "tracks") + ", ";
  if (aFilledTracks.empty()) return c + "no track filled";
  c += "filled: sectors ";
  for (std::size_t i = 0; i < aFilledTracks.size(); ++i) c += (i ? ", " : "") + Range(aFilledTracks[i]);
  return c;
}

std::string NotSavedLine(std::size_t nTracks) { return "Disk not saved: " + Counted(nTracks, "track", "tracks"); }

std::string LeftOutLine(std::size_t nImageBytes) {
  return "Image longer than 160 tracks: " + std::to_string(nImageBytes - kImageBytes) + " received bytes left out";
}

}  // namespace qvz::protocol
