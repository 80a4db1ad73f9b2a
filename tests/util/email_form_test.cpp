#include "util/email_form.h"

#include <gtest/gtest.h>

namespace qvz::util {
namespace {

TEST(EmailFormTest, AddressesOfTheRightFormPass) {
  for (const char* cMail : {
           "mario.rossi@example.it",
           "MARIO@EXAMPLE.IT",
           "o'neill@mail.example.co.uk",
           "ufficio_vendite-2@sub-domain.example.com",
           "a@b.it     ",
       }) {
    EXPECT_TRUE(ISEMAIL(cMail)) << '"' << cMail << '"';
  }
}

TEST(EmailFormTest, BlanksDotsAndMissingPartsFail) {
  for (const char* cMail : {
           "",
           "mario.rossi@example.it.",  // ends with a dot
           "mario.rossi@example.it. ",
           "mario rossi@example.it",   // an inner blank
           " mario.rossi@example.it",  // a leading blank
           "mario.rossi.example.it",   // no "@"
           "mario@localhost",          // no dot at all
       }) {
    EXPECT_FALSE(ISEMAIL(cMail)) << '"' << cMail << '"';
  }
}

// Only the characters are checked, not where the "@" signs and dots stand.
TEST(EmailFormTest, PlacesOfAtSignsAndDotsAreNotChecked) {
  for (const char* cMail : {"mario@rossi@example.it", "mario@@example.it", "@example.it",
                            "mario@.it", ".mario@example.it"}) {
    EXPECT_TRUE(ISEMAIL(cMail)) << '"' << cMail << '"';
  }
}

TEST(EmailFormTest, OtherCharactersFail) {
  for (const char* cMail : {"mario+news@example.it", "mario@exa!mple.it", "perch\xE9@example.it",
                            "mario\t@example.it"}) {
    EXPECT_FALSE(ISEMAIL(cMail)) << '"' << cMail << '"';
  }
}

}  // namespace
}  // namespace qvz::util
