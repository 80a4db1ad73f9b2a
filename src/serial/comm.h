#pragma once
// Serial ports: open, read what the background reader gathered, write,
// announce received data to a window, close.
//
// All five functions are for the GUI thread. A port handle is positive for an
// open port and -1 for a failed open; a handle that is not open (never was,
// or already closed) is refused with the function's failure result.
//
// A failure that ends a port's reader thread is kept in the port and raised
// on the GUI thread, through the error block, by the next READCOMM, WRITECOMM
// or ENABLECOMMNOTIFICATION on the port; the reader posts the notify message
// to the registered window so that this comes soon.

#include <windows.h>

#include <optional>
#include <string>

namespace qvz::serial {

// The notify message: wParam is the port handle, lParam is 1.
constexpr UINT kCommNotify = WM_COMMNOTIFY;

// Opens cDevice (for example "\\.\COM1") and starts its reader thread.
// Queue sizes default to 1024 and 128 bytes and are taken modulo 65536.
// A failed open keeps the platform's error code for OpenCommError.
int OPENCOMM(const std::string& cDevice, std::optional<long long> nInQueue = std::nullopt,
             std::optional<long long> nOutQueue = std::nullopt);

// The platform's error code of the last OPENCOMM, read on the line after the
// call that failed (ERROR_SUCCESS when it opened the port). Written by
// OPENCOMM and read by its caller, both on the GUI thread.
DWORD OpenCommError();

// Stops the reader thread and closes the device. True for an open handle.
bool CLOSECOMM(int nCom);

// Moves up to Len(cBuf) received bytes, oldest first, into the storage of
// cBuf itself (its length and the bytes past the count stay as they were).
// Never waits. Returns the count.
int READCOMM(int nCom, std::string& cBuf);

// Writes all of cData and waits for the write to complete. Returns the count
// the device reported; 0 when the write failed at once.
int WRITECOMM(int nCom, const std::string& cData);

// Makes hWnd the window that receives the notify message; 0 switches the
// notification off (bytes still collect). The two numbers have no effect.
bool ENABLECOMMNOTIFICATION(int nCom, HWND hWnd, std::optional<long long> nUnused1 = std::nullopt,
                            std::optional<long long> nUnused2 = std::nullopt);

// The longest the reader keeps a received byte back under a hold.
constexpr long long kLongestHoldMs = 20;

// Lets the reader keep back what arrives during the next nMs and announce it
// in one notification once that time is up, for a window that knows nothing
// it waits for can come sooner: bytes that arrive one at a time then cost
// one notification per batch instead of one each. No byte is kept back
// longer than kLongestHoldMs, and 512 bytes waiting are announced at once.
// 0 ends a hold. Returns false for a port that is not open.
bool HOLDCOMMNOTIFICATION(int nCom, long long nMs);

// The driver queue size that a queue argument gives: 16 bits of it, or the
// default when it is left out.
DWORD QueueSize(std::optional<long long> nArg, DWORD nDefault);

}  // namespace qvz::serial
