#include "compare/compare_report.h"

namespace qvz::compare {
namespace {

std::string NamesOf(const std::vector<std::size_t>& aIndexes, const std::vector<std::string>& aNames) {
  std::string cText;
  for (std::size_t i : aIndexes) cText += (cText.empty() ? "" : ", ") + aNames[i];
  return cText;
}

}  // namespace

std::string PlaceText(const SectorPlace& oPlace) {
  return "side " + std::to_string(oPlace.nSide) + " track " + std::to_string(oPlace.nTrack) + " sector " +
         std::to_string(oPlace.nSector) + " (log sector " + std::to_string(oPlace.nLogSector) + ")";
}

std::string SectorLine(const SectorPlace& oPlace, const SectorVote& oVote, const std::vector<std::string>& aNames) {
  std::string cLine = PlaceText(oPlace) + ": " + std::to_string(oVote.nDifferingBytes) +
                      (oVote.nDifferingBytes == 1 ? " byte differs" : " bytes differ");
  // Two images that differ differ from each other: there is no odd one out
  // to name.
  if (aNames.size() > 2) {
    if (!oVote.lMajority)
      cLine += "; no agreeing majority";
    else
      cLine +=
          (oVote.aOddOnesOut.size() == 1 ? "; odd one out: " : "; odd ones out: ") + NamesOf(oVote.aOddOnesOut, aNames);
  }
  if (!oVote.aOnlyZeros.empty()) cLine += "; only zeros: " + NamesOf(oVote.aOnlyZeros, aNames);
  return cLine;
}

std::string SummaryLine(std::size_t nDiffering, std::size_t nSectors) {
  if (nDiffering == 0) return "identical: " + std::to_string(nSectors) + " sectors";
  return "differing sectors: " + std::to_string(nDiffering) + " of " + std::to_string(nSectors);
}

}  // namespace qvz::compare
