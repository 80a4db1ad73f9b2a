#include "support/error_handler.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "harness/box_answerer.h"
#include "harness/captured_errors.h"
#include "runtime/error_block.h"
#include "runtime/net_error.h"
#include "runtime/proc_trace.h"
#include "runtime/sequence_break.h"
#include "support/error_message.h"
#include "support/error_report_mail.h"
#include "ui/dialog.h"

namespace qvz::support {
namespace {

using runtime::RuntimeError;
using runtime::Value;
using test::BoxAnswerer;
using test::Press;

RuntimeError Error(int nGenCode, int nSubCode, int nOsCode, const char* cFile = "a:\\immagini\\disco.qvz") {
  RuntimeError e;
  e.genCode = nGenCode;
  e.subCode = nSubCode;
  e.osCode = nOsCode;
  e.subSystem = "DBFCDX";
  e.description = "Open error";
  e.operation = "DBUSEAREA";
  e.filename = cFile;
  return e;
}

// The handler installed for one test, the previous block back afterwards.
class InstalledHandler {
 public:
  InstalledHandler() : bPrevious(runtime::SetErrorBlock(nullptr)) { ERRORSYS(); }
  ~InstalledHandler() { runtime::SetErrorBlock(bPrevious); }
  InstalledHandler(const InstalledHandler&) = delete;
  InstalledHandler& operator=(const InstalledHandler&) = delete;

 private:
  runtime::ErrorBlock bPrevious;
};

struct AbandonCase {
  const char* cName;
  RuntimeError oError;
  const char* cMessage;
};

const AbandonCase kAbandonCases[] = {
    {"1 not ready", Error(21, 1001, 21), "Disco A:\\IMMAGINI\\DISCO.QVZ non pronto."},
    {"2 sector not found", Error(21, 1001, 27), "Disco A:\\IMMAGINI\\DISCO.QVZ non formattato."},
    {"2 general failure", Error(21, 1001, 31), "Disco A:\\IMMAGINI\\DISCO.QVZ non formattato."},
    {"3 write protect", Error(20, 1004, 19), "Disco A:\\IMMAGINI\\DISCO.QVZ protetto da scrittura."},
    {"4 cannot make", Error(20, 1004, 82), "Directory A:\\IMMAGINI\\DISCO.QVZ piena."},
    {"5 disk full", Error(23, 2016, 0), "Spazio sul disco A:\\IMMAGINI\\DISCO.QVZ insufficiente."},
    {"6 access denied, open", Error(21, 1001, 5), "Impossibile accedere al file A:\\IMMAGINI\\DISCO.QVZ."},
    {"6 access denied, write", Error(24, 1011, 5), "Impossibile accedere al file A:\\IMMAGINI\\DISCO.QVZ."},
    {"7 path not found", Error(21, 1001, 3), "Percorso A:\\IMMAGINI\\DISCO.QVZ non trovato."},
    {"8 file not found", Error(21, 1001, 2), "Impossibile aprire il file A:\\IMMAGINI\\DISCO.QVZ."},
    {"9 corrupt table", Error(21, 1012, 0), "Il file A:\\IMMAGINI\\DISCO.QVZ risulta corrotto."},
    {"9 corruption detected", Error(32, 1001, 0), "Il file A:\\IMMAGINI\\DISCO.QVZ risulta corrotto."},
    {"10 automation", Error(1001, 0, 0, ""),
     "Error DBFCDX/0  Open error: DBUSEAREA\r\nFunction: SCRIVI  Line: 42"},
};

TEST(ErrorHandlerTest, DiskAndFileErrorsShowTheirMessageAndBreakToTheRecovery) {
  InstalledHandler oHandler;
  runtime::NETERR(false);
  for (const AbandonCase& c : kAbandonCases) {
    SCOPED_TRACE(c.cName);
    runtime::ProcMark oProc("SCRIVI", 42);
    BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", Press(IDOK));
    bool lBroken = false, lWentOn = false;
    try {
      runtime::RaiseError(c.oError);
      lWentOn = true;
    } catch (const runtime::SequenceBreak& b) {
      lBroken = b.oError.osCode == c.oError.osCode && b.oError.genCode == c.oError.genCode;
    }
    const test::SeenBox& seen = oUser.Seen();
    ASSERT_TRUE(seen.lFound);
    EXPECT_EQ(seen.cText, c.cMessage);
    EXPECT_EQ(seen.aButtons, std::vector<int>{IDOK});
    EXPECT_TRUE(lBroken);
    EXPECT_FALSE(lWentOn);
  }
  EXPECT_FALSE(runtime::NETERR());
}

struct QuietCase {
  const char* cName;
  RuntimeError oError;
  Value result;
  bool lNetError;
};

RuntimeError Defaultable(RuntimeError e) {
  e.canDefault = true;
  return e;
}

const QuietCase kQuietCases[] = {
    {"11 division by zero", Error(5, 1340, 0, ""), 0, false},
    {"12 table in use", Defaultable(Error(21, 1001, 32)), false, true},
    {"13 append lock", Defaultable(Error(40, 1024, 0)), false, true},
};

// A box here would wait for an answer that never comes: the quiet outcomes
// must return without one.
TEST(ErrorHandlerTest, QuietOutcomesReturnTheirResult) {
  InstalledHandler oHandler;
  for (const QuietCase& c : kQuietCases) {
    SCOPED_TRACE(c.cName);
    runtime::NETERR(false);
    EXPECT_EQ(runtime::RaiseError(c.oError), c.result);
    EXPECT_EQ(runtime::NETERR(), c.lNetError);
  }
}

// A break that no guarded sequence takes ends at the window procedure: the
// rest of the work is abandoned and the dialog goes on.
TEST(ErrorHandlerTest, UnguardedBreakEndsAtTheWindowProcedure) {
  InstalledHandler oHandler;
  ui::TDialog::NewArgs a;
  a.cCaption = "Ricezione";
  a.nPixelRight = 200;
  a.nPixelBottom = 100;
  ui::TDialog oDlg(a);
  bool lWentOn = false;
  oDlg.bStart = [&](const Value&) {
    PostMessageA(oDlg.hWnd, WM_COMMAND, IDCANCEL, 0);  // handled once the start action is left
    runtime::RaiseError(Error(21, 1001, 21));
    lWentOn = true;
  };
  BoxAnswerer oUser(GetCurrentProcessId(), "Attenzione", Press(IDOK));
  oDlg.Activate();
  EXPECT_EQ(oUser.Seen().cText, "Disco A:\\IMMAGINI\\DISCO.QVZ non pronto.");
  EXPECT_FALSE(lWentOn);
  EXPECT_EQ(oDlg.nResult.AsInteger(), IDCANCEL);
}

struct ReportCase {
  const char* cName;
  int nSeverity;
  const char* cFile;
  const char* cOperation;
  const char* cReport;
};

const ReportCase kReportCases[] = {
    {"error with a file", 2, "c:\\qvz\\Disco.qvz", "FCREATE",
     "Error BASE/1012  Bound error: c:\\qvz\\Disco.qvz;Function: ATTENDI  Line: 57"},
    {"warning with an operation", 1, "", "array access",
     "Warning BASE/1012  Bound error: array access;Function: ATTENDI  Line: 57"},
    {"neither", 3, "", "", "Error BASE/1012  Bound error;Function: ATTENDI  Line: 57"},
};

TEST(ErrorMessageTest, ReportNamesTheInnermostReceiverProcedureAndItsLine) {
  runtime::ProcMark oOuter("QVZ", 10);
  runtime::ProcMark oInner("ATTENDI", 50);
  oInner.SetLine(57);
  for (const ReportCase& c : kReportCases) {
    SCOPED_TRACE(c.cName);
    RuntimeError e;
    e.severity = c.nSeverity;
    e.subSystem = "BASE";
    e.subCode = 1012;
    e.description = "Bound error";
    e.filename = c.cFile;
    e.operation = c.cOperation;
    EXPECT_EQ(ERRORMESSAGE(e), c.cReport);
  }
}

TEST(ErrorMessageTest, ReportWithoutAReceiverProcedureNamesNoneAndLineZero) {
  RuntimeError e;
  e.subSystem = "BASE";
  e.subCode = 1;
  e.description.assign(1, 'x');
  EXPECT_EQ(ERRORMESSAGE(e), "Error BASE/1  x;Function:   Line: 0");
}

// An exception that unwinds the receiver's procedures up to a window
// procedure is reported with the procedure it arose in.
TEST(ErrorMessageTest, ReportOfAnExceptionNamesTheProcedureItUnwound) {
  std::string cReport;
  test::CapturedErrors oErrors([&](const RuntimeError& x) {
    RuntimeError e = x;
    e.subSystem = "BASE";
    cReport = ERRORMESSAGE(e);
  });
  ui::TDialog::NewArgs a;
  a.nPixelRight = 200;
  a.nPixelBottom = 100;
  ui::TDialog oDlg(a);
  oDlg.bStart = [&](const Value&) {
    PostMessageA(oDlg.hWnd, WM_COMMAND, IDCANCEL, 0);
    runtime::ProcMark oLoop("QVZ", 20);
    runtime::ProcMark oWait("ATTENDI", 60);
    oWait.SetLine(64);
    throw std::out_of_range("Bound error");
  };
  oDlg.Activate();
  EXPECT_EQ(cReport, "Error BASE/0  Bound error;Function: ATTENDI  Line: 64");
  EXPECT_EQ(runtime::ErrorPlace().cName, "");  // handed over: forgotten
}

TEST(ErrorReportMailTest, AddressCarriesTheReportAsShown) {
  EXPECT_EQ(ErrorReportAddress("C:\\Programmi\\QVZ #1\\QVZ.EXE",
                               "Error BASE/1  a&b 100%41 #2\t\x7F\xE0;Function: X  Line: 3"),
            "mailto:?subject=Rapporto di errore&body=Applicazione: C:\\Programmi\\QVZ %231\\QVZ.EXE"
            "%0d%0a%0d%0a"
            "Error BASE/1  a%26b 100%2541 %232%09\x7F\xE0%0d%0aFunction: X  Line: 3");
}

}  // namespace
}  // namespace qvz::support
