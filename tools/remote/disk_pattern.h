#pragma once
// The contents of the disks the simulated remote machine sends: every byte
// follows from the disk's seed, its track and its place, so a test can tell
// which byte went missing or moved.

#include <cstddef>
#include <cstdint>
#include <string>

namespace qvz::tools {

inline char PatternByte(std::uint32_t nSeed, std::size_t nTrack, std::size_t nIndex) {
  std::uint32_t x = nSeed * 2654435761u ^ static_cast<std::uint32_t>(nTrack * 40503u + nIndex * 7919u);
  x ^= x >> 15;
  x *= 2246822519u;
  x ^= x >> 13;
  return static_cast<char>(x & 0xFF);
}

// One track of 4608 bytes.
inline std::string PatternTrack(std::uint32_t nSeed, std::size_t nTrack) {
  std::string c(4608, '\0');
  for (std::size_t i = 0; i < c.size(); ++i) c[i] = PatternByte(nSeed, nTrack, i);
  return c;
}

// The tracks of a disk in the order the remote sends them.
inline std::string PatternDisk(std::uint32_t nSeed, std::size_t nTracks) {
  std::string c;
  for (std::size_t t = 0; t < nTracks; ++t) c += PatternTrack(nSeed, t);
  return c;
}

// The image file that a disk of whole tracks gives, written out from the
// format (for the checks of tests and scripts, apart from the receiver's
// own layout): up to 40 tracks, the tracks as sent; beyond that tracks 1 to
// 80 are side 1 and the next 80 side 2, and the file holds side 1 track t
// followed by side 2 track t, for t = 1 to 80, of those that were sent.
inline std::string PatternImageFile(std::uint32_t nSeed, std::size_t nTracks) {
  constexpr std::size_t kOneSidedTracks = 40;
  constexpr std::size_t kTracksASide = 80;
  if (nTracks <= kOneSidedTracks) return PatternDisk(nSeed, nTracks);
  std::string c;
  for (std::size_t t = 0; t < kTracksASide; ++t) {
    if (t < nTracks) c += PatternTrack(nSeed, t);
    if (kTracksASide + t < nTracks) c += PatternTrack(nSeed, kTracksASide + t);
  }
  return c;
}

}  // namespace qvz::tools
