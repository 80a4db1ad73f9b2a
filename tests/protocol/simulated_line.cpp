#include "simulated_line.h"

#include <algorithm>
#include <optional>

namespace qvz::protocol::test {
namespace {

constexpr std::int64_t kAckPatienceMs = 60000;
constexpr std::int64_t kSettleMs = 60000;

class FrontEnd {
 public:
  FrontEnd() : oRules("ESC") { Take(oRules.Start()); }

  // Lets time run to nUntil, answering every deadline on the way; stops
  // early once an unconsumed 0x00 was sent when lUntilAck.
  void RunTo(std::int64_t nUntil, bool lUntilAck) {
    for (;;) {
      if (lUntilAck && nAcks > 0) return;
      const std::optional<std::int64_t> nDeadline = oRules.Deadline();
      if (!nDeadline || *nDeadline > nUntil || oT.lStopped) break;
      nNow = std::max(nNow, *nDeadline);
      Take(oRules.Time(nNow));
    }
    if (!oT.lStopped) nNow = std::max(nNow, nUntil);
  }

  void Bytes(const std::string& c) {
    for (char b : c) {
      if (oT.lStopped) return;
      Take(oRules.Byte(static_cast<unsigned char>(b), nNow));
    }
  }

  void Exit() { Take(oRules.Exit()); }

  bool ConsumeAck() {
    if (nAcks == 0) return false;
    --nAcks;
    return true;
  }

  void ConsumeAllAcks() { nAcks = 0; }

  std::int64_t Now() const { return nNow; }
  Transcript& Result() { return oT; }

 private:
  void Take(const Step& s) {
    for (const auto& c : s.aLines) oT.aLines.push_back(c);
    oT.cSent += s.cSend;
    nAcks += static_cast<int>(std::count(s.cSend.begin(), s.cSend.end(), '\0'));
    if (s.lStop) oT.lStopped = true;
    if (s.lSave) {
      oT.aSaved.push_back(oRules.Image());
      Take(oRules.Saved("DISK" + std::to_string(oT.aSaved.size()) + ".QVZ"));
      Take(oRules.Start());
    }
  }

  Receiver oRules;
  Transcript oT;
  std::int64_t nNow = 0;
  int nAcks = 0;  // sent and not yet taken by the remote
};

}  // namespace

int Transcript::Count(char c) const { return static_cast<int>(std::count(cSent.begin(), cSent.end(), c)); }

bool Transcript::Logged(const std::string& cLine) const {
  return std::find(aLines.begin(), aLines.end(), cLine) != aLines.end();
}

Transcript Play(const std::vector<Action>& aScript) {
  FrontEnd oFront;
  for (const Action& a : aScript) {
    if (oFront.Result().lStopped) break;
    if (const auto* p = std::get_if<Send>(&a)) {
      oFront.Bytes(p->cBytes);
    } else if (const auto* p = std::get_if<Pause>(&a)) {
      oFront.RunTo(oFront.Now() + p->nMs, false);
    } else if (std::holds_alternative<Flush>(a)) {
      oFront.ConsumeAllAcks();
    } else if (std::holds_alternative<AwaitAck>(a)) {
      oFront.RunTo(oFront.Now() + kAckPatienceMs, true);
      if (!oFront.ConsumeAck()) {
        oFront.Result().lRemoteStuck = true;
        break;
      }
    } else {
      oFront.Exit();
    }
  }
  oFront.RunTo(oFront.Now() + kSettleMs, false);
  return oFront.Result();
}

std::string Header(unsigned nSectorNumber) {
  return std::string{'T', static_cast<char>(nSectorNumber & 0xFF), static_cast<char>(nSectorNumber >> 8)};
}

void AddTrack(std::vector<Action>& aScript, const std::string& cHeader, const std::string& cData) {
  aScript.push_back(Flush{});
  aScript.push_back(Send{cHeader});
  aScript.push_back(AwaitAck{});
  aScript.push_back(Send{cData});
}

void AddTrack(std::vector<Action>& aScript, unsigned nSectorNumber, const std::string& cData) {
  AddTrack(aScript, Header(nSectorNumber), cData);
}

}  // namespace qvz::protocol::test
