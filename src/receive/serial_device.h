#pragma once
// The adapter, opened at 57600 baud, 8 data bits, no parity, 1 stop bit,
// raw: every byte as it came, nothing added, no flow control. Reads never
// block; the owner waits for data with poll().

#include <cstddef>
#include <string>

namespace qvz::receive {

class SerialDevice {
 public:
  enum class Opened { kOk, kMissing, kNoRights, kNotSerial, kFailed };

  SerialDevice() = default;
  ~SerialDevice();
  SerialDevice(const SerialDevice&) = delete;
  SerialDevice& operator=(const SerialDevice&) = delete;

  // On kFailed, Error() says why.
  Opened Open(const std::string& cPath);
  const std::string& Error() const { return cError; }
  int Fd() const { return nFd; }

  // Bytes read into the buffer; 0 when none are waiting; -1 when the device
  // is gone (unplugged, or its other end closed).
  long Read(char* pBuffer, std::size_t nSize);

  // False when the device is gone.
  bool Write(const std::string& cData);

  // Waits until what was written has gone out on the line.
  void Drain();

 private:
  int nFd = -1;
  std::string cError;
};

}  // namespace qvz::receive
