#pragma once
// The outward form of an e-mail address; nothing is looked up.

#include <string>

namespace qvz::util {

// True when cMail, trailing blanks aside, is one "@" between a local part and
// a domain that holds at least one "."; each part is made of letters, digits,
// ".", "_", "-" and "'", and its dots stand between other characters (none
// first, last or doubled). Any blank before the trailing ones, a second "@"
// or any other byte makes it false.
bool ISEMAIL(const std::string& cMail);

}  // namespace qvz::util
