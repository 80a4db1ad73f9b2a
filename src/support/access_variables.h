#pragma once
// The public access variables: who uses the program, where the user's
// temporary files go, and what the user may do. Any part of the program
// reads and changes them. GUI thread only.

#include <string>

namespace qvz::support {

struct AccessVariables {
  std::string ACS_USER = "USER";  // name of the logged-in user
  std::string ACS_TEMP;           // the user's temporary directory, ending in "\" once logged in
  std::string ACS_PASSWD;         // the user's password
  int ACS_LEVEL = 1;              // the user's access level
};

AccessVariables& PublicAccess();

// Gives the variables their start values; the start-up procedure does this.
void CreateAccessVariables();

}  // namespace qvz::support
