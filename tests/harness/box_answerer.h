#pragma once
// Answers a message box as a user would, from a thread of its own: it finds
// the box by its title among the windows of a process, reads its text and
// buttons, and presses a button or a key. The program that shows the box
// waits inside it meanwhile.

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace qvz::test {

struct UserAnswer {
  enum Kind { Button, Key } nKind;
  int nCode;  // the button's identifier (IDOK, IDNO, ...) or the key's code
};

constexpr UserAnswer Press(int nButton) { return {UserAnswer::Button, nButton}; }
constexpr UserAnswer Type(int nKey) { return {UserAnswer::Key, nKey}; }

// What the answerer saw of the box.
struct SeenBox {
  bool lFound = false;
  std::string cText;
  std::vector<int> aButtons;  // the identifiers of the visible buttons, left to right
  int nDefault = 0;           // the identifier of the default button
  HWND hOwner = nullptr;
  // Whatever the test asks at the moment the box is up.
  bool lCheck = false;
};

class BoxAnswerer {
 public:
  // Starts looking for a box titled cTitle of the process nProcessId.
  // bCheck, when given, runs on the answerer's thread while the box is up.
  BoxAnswerer(DWORD nProcessId, std::string cTitle, UserAnswer oAnswer,
              std::function<bool()> bCheck = nullptr);
  ~BoxAnswerer();
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  // Waits until the box has been answered (or was not found within 30
  // seconds) and returns what was seen.
  const SeenBox& Seen();

 private:
  void Run() noexcept;

  DWORD nProcessId;
  std::string cTitle;
  UserAnswer oAnswer;
  std::function<bool()> bCheck;
  SeenBox oSeen;
  std::thread oThread;
};

}  // namespace qvz::test
