#pragma once
// What one run of qvz-compare gave: its exit code and what it printed on
// each stream.

#include <ostream>
#include <string>

namespace qvz::test {

struct Outcome {
  int nExit = 0;
  std::string cOut;
  std::string cErr;
  bool operator==(const Outcome&) const = default;
};

inline std::ostream& operator<<(std::ostream& oStream, const Outcome& oOutcome) {
  return oStream << "exit " << oOutcome.nExit << "\n-- out:\n" << oOutcome.cOut << "-- err:\n" << oOutcome.cErr;
}

}  // namespace qvz::test
