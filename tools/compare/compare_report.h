#pragma once
// The lines the comparison prints.

#include <cstddef>
#include <string>
#include <vector>

#include "compare/sector_place.h"
#include "compare/sector_vote.h"

namespace qvz::compare {

// "side 2 track 80 sector 17 (log sector 2879)"
std::string PlaceText(const SectorPlace& oPlace);

// One differing sector: where it is, how many bytes differ, which images
// are the odd ones out (or that no copy has a majority) when there are three
// or more, and which images hold only zeros there. aNames are the images as
// the user named them.
std::string SectorLine(const SectorPlace& oPlace, const SectorVote& oVote, const std::vector<std::string>& aNames);

// "identical: 2880 sectors" or "differing sectors: 3 of 2880"
std::string SummaryLine(std::size_t nDiffering, std::size_t nSectors);

}  // namespace qvz::compare
