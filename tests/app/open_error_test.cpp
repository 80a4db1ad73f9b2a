#include "app/open_error.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace qvz::app {
namespace {

const std::string kFirstLine = "Errore di apertura della porta di comunicazione (COM5).";

// Another program holds the port: the open is refused with "access denied".
// Wine cannot refuse a tty that way, so the code is given here.
TEST(OpenErrorTest, PortHeldByAnotherProgramSaysWhyAndWhichPortsThereAre) {
  EXPECT_EQ(OpenErrorMessage("COM5", ERROR_ACCESS_DENIED, {"COM3", "COM4", "COM5"}),
            kFirstLine + ";Access denied.;Porte disponibili: COM3, COM4, COM5.");
}

TEST(OpenErrorTest, PortListHasOneNameOrNone) {
  EXPECT_EQ(OpenErrorMessage("COM5", ERROR_FILE_NOT_FOUND, {"COM1"}),
            kFirstLine + ";File not found.;Porte disponibili: COM1.");
  EXPECT_EQ(OpenErrorMessage("COM5", ERROR_FILE_NOT_FOUND, {}),
            kFirstLine + ";File not found.;Nessuna porta seriale trovata.");
}

TEST(OpenErrorTest, CodeWithoutADescriptionIsGivenByItsNumber) {
  EXPECT_EQ(OpenErrorMessage("COM5", 0x2000FFFF, {}), kFirstLine + ";Error 536936447;Nessuna porta seriale trovata.");
}

}  // namespace
}  // namespace qvz::app
