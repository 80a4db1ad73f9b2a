#pragma once
// The receiver's log lines. A track is named by the range of sector numbers
// it holds, first to first + 17.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qvz::protocol {

std::string WaitingLine(const std::string& cExitKey);
std::string ReceivingLine(int nFirstSector);
std::string MissingLine(std::size_t nMissing, int nFirstSector);
std::string PausedLine(int nFirstSector, std::int64_t nPauseMs);
std::string RestartLine();
std::string SavedLine(const std::string& cName, std::size_t nTracks, const std::vector<int>& aFilledTracks);
std::string NotSavedLine(std::size_t nTracks);

// Said before an image longer than the format's 160 tracks is saved.
std::string LeftOutLine(std::size_t nImageBytes);

}  // namespace qvz::protocol
