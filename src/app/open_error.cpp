#include "app/open_error.h"

#include "runtime/system_message.h"

namespace qvz::app {
namespace {

// "Porte disponibili: COM3, COM4." or, with none, that there are none.
std::string PortList(const std::vector<std::string>& aPorts) {
  if (aPorts.empty()) return "Nessuna porta seriale trovata.";
  std::string c = "Porte disponibili: ";
  for (size_t i = 0; i < aPorts.size(); ++i) c += (i ? ", " : "") + aPorts[i];
  return c + ".";
}

}  // namespace

std::string OpenErrorMessage(const std::string& cPort, unsigned long nError, const std::vector<std::string>& aPorts) {
  return "Errore di apertura della porta di comunicazione (" + cPort + ").;" + runtime::SystemMessage(nError) + ";" +
         PortList(aPorts);
}

}  // namespace qvz::app
