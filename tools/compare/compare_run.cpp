#include "compare/compare_run.h"

#include <string_view>

#include "compare/compare_error.h"
#include "compare/compare_options.h"
#include "compare/compare_report.h"
#include "compare/image_file.h"
#include "compare/sector_place.h"
#include "compare/sector_vote.h"
#include "protocol/image_layout.h"

namespace qvz::compare {
namespace {

using protocol::kImageBytes;
using protocol::kSectorBytes;

constexpr const char* kHelp =
    "Compares images of one disk received more than once, sector by sector, and names each\n"
    "differing sector by side, track and sector and by the number the receiver's log showed.\n"
    "With --merge and three or more images it writes OUT with the copy of each sector that\n"
    "most images agree on. Exit status: 0 identical, 1 differing, 2 bad input.\n";

void RefuseOutputAmongImages(const CompareOptions& oOptions) {
  for (const std::string& cImage : oOptions.aImages)
    if (SameFile(*oOptions.cMergeOut, cImage))
      throw BadInput("will not merge into " + *oOptions.cMergeOut + ": it is the image " + cImage +
                     "; nothing written");
}

std::string SizeText(std::size_t nBytes) { return std::to_string(nBytes) + " bytes"; }

std::vector<std::string> ReadImages(const std::vector<std::string>& aNames) {
  std::vector<std::string> aImages;
  for (const std::string& cName : aNames) {
    aImages.push_back(ReadImage(cName));
    const std::size_t nSize = aImages.back().size();
    if (nSize % kSectorBytes != 0)
      throw BadInput(cName + ": " + SizeText(nSize) + " is not a whole number of 256-byte sectors");
    if (nSize > kImageBytes)
      throw BadInput(cName + ": " + SizeText(nSize) + " is more than an image holds (" + SizeText(kImageBytes) + ")");
    if (nSize != aImages.front().size())
      throw BadInput(aNames.front() + " and " + cName + " differ in size (" + SizeText(aImages.front().size()) +
                     " and " + SizeText(nSize) + ")");
  }
  return aImages;
}

int Compare(const CompareOptions& oOptions, std::ostream& oOut) {
  if (oOptions.cMergeOut) RefuseOutputAmongImages(oOptions);
  const std::vector<std::string> aImages = ReadImages(oOptions.aImages);
  const std::vector<SectorPlace> aPlaces = PlaceSectors(aImages.front().size());

  std::string cMerged;
  std::vector<SectorPlace> aWithoutMajority;
  std::size_t nDiffering = 0;
  std::vector<std::string_view> aCopies(aImages.size());
  for (std::size_t nSector = 0; nSector < aPlaces.size(); ++nSector) {
    for (std::size_t i = 0; i < aImages.size(); ++i)
      aCopies[i] = std::string_view(aImages[i]).substr(nSector * kSectorBytes, kSectorBytes);
    bool lSame = true;
    for (std::string_view cCopy : aCopies) lSame = lSame && cCopy == aCopies.front();
    if (lSame) {
      cMerged += aCopies.front();
      continue;
    }
    const SectorVote oVote = VoteSector(aCopies);
    ++nDiffering;
    oOut << SectorLine(aPlaces[nSector], oVote, oOptions.aImages) << '\n';
    cMerged += oVote.cMerged;
    if (!oVote.lMajority) aWithoutMajority.push_back(aPlaces[nSector]);
  }
  oOut << SummaryLine(nDiffering, aPlaces.size()) << '\n';

  if (oOptions.cMergeOut) {
    WriteReplacing(*oOptions.cMergeOut, cMerged);
    if (aWithoutMajority.empty()) {
      oOut << "merged into " << *oOptions.cMergeOut << ": every sector had an agreeing majority\n";
    } else {
      oOut << "merged into " << *oOptions.cMergeOut
           << "; sectors without an agreeing majority, taken byte by byte: " << aWithoutMajority.size() << '\n';
      for (const SectorPlace& oPlace : aWithoutMajority) oOut << "  " << PlaceText(oPlace) << '\n';
    }
  }
  return nDiffering == 0 ? kExitIdentical : kExitDiffer;
}

}  // namespace

int RunCompare(const std::vector<std::string>& aArgs, std::ostream& oOut, std::ostream& oErr) {
  try {
    const CompareOptions oOptions = ParseOptions(aArgs);
    if (oOptions.lHelp) {
      oOut << kUsage << '\n' << kHelp;
      return kExitIdentical;
    }
    return Compare(oOptions, oOut);
  } catch (const BadInput& oError) {
    oErr << "qvz-compare: " << oError.what() << '\n';
    return kExitBadInput;
  }
}

}  // namespace qvz::compare
