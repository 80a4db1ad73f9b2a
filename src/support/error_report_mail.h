#pragma once
// Sending an error report by e-mail: the user's mail program gets a
// "mailto:" address without a recipient, with the subject and the report
// as body, and opens a new message from it.

#include <string>

namespace qvz::support {

// The address for cReport (lines separated by ";") sent from the program at
// cProgramPath. The body is "Applicazione: " + the path, an empty line, and
// the report, both encoded: "%" as "%25", "&" as "%26", ";" as a line break
// "%0d%0a", "#" as "%23" and every other byte below 0x20 as "%" and two hex
// digits, so that the mail program reads back exactly the report that was
// shown. Blanks and every other byte stay as they are.
std::string ErrorReportAddress(const std::string& cProgramPath, const std::string& cReport);

// Hands the report of this program to the user's mail program, without
// waiting for it; a failure (no mail program) is not reported.
void SendErrorReport(const std::string& cReport);

}  // namespace qvz::support
