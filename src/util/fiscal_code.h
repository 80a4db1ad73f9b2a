#pragma once
// Italian fiscal codes (codice fiscale): 15 letters and digits and a check
// letter for a person, or the 11-digit VAT number for a company.

#include <string>

namespace qvz::util {

// True when cCod, trailing blanks aside and in either case, is 16 letters
// and digits whose twelfth character is a letter and whose sixteenth is the
// check letter of the first fifteen. A text of any other length is judged
// as a VAT number by ISIVA.
bool ISCOD(const std::string& cCod);

}  // namespace qvz::util
