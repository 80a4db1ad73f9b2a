#pragma once
// The outward form of an e-mail address; nothing is looked up.

#include <string>

namespace qvz::util {

// True when cMail holds a "@" and a ".", has no blank before its trailing
// blanks, does not end with a "." and is made only of letters, digits and
// the marks ".", "@", "_", "-" and "'".
bool ISEMAIL(const std::string& cMail);

}  // namespace qvz::util
