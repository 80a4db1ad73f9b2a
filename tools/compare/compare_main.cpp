// qvz-compare FIRST SECOND [MORE...] [--merge OUT]
//
// The link from the vintage computer carries no checksum: sending the same
// disk two or three times and comparing the images is how a user finds the
// sectors that noise or a marginal disk changed. See compare_run.h.

#include <iostream>
#include <string>
#include <vector>

#include "compare/compare_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> aArgs(argv + 1, argv + argc);
  return qvz::compare::RunCompare(aArgs, std::cout, std::cerr);
}
