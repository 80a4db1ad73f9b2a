#include "serial/serial_ports.h"

#include <windows.h>

#include <algorithm>
#include <tuple>

namespace qvz::serial {
namespace {

// The system lists each present serial device here: value name the device,
// value data the port name. A USB adapter appears while it is plugged in.
constexpr char kSerialDeviceMap[] = "HARDWARE\\DEVICEMAP\\SERIALCOMM";

class RegistryKey {
 public:
  RegistryKey(HKEY hParent, const char* cPath) {
    if (RegOpenKeyExA(hParent, cPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS) hKey = nullptr;
  }
  ~RegistryKey() {
    if (hKey) RegCloseKey(hKey);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY Get() const { return hKey; }

 private:
  HKEY hKey = nullptr;
};

// The number of a name "COM" + digits; 0 for any other name.
unsigned long PortNumber(const std::string& cName) {
  if (cName.size() < 4 || cName.size() > 12 || cName.compare(0, 3, "COM") != 0) return 0;
  if (!std::all_of(cName.begin() + 3, cName.end(), [](char c) { return c >= '0' && c <= '9'; })) return 0;
  return std::stoul(cName.substr(3));
}

}  // namespace

void SortPortNames(std::vector<std::string>& aNames) {
  auto Key = [](const std::string& cName) {
    const unsigned long n = PortNumber(cName);
    return std::make_tuple(n == 0, n, cName);
  };
  std::sort(aNames.begin(), aNames.end(), [&](const std::string& a, const std::string& b) { return Key(a) < Key(b); });
  aNames.erase(std::unique(aNames.begin(), aNames.end()), aNames.end());
}

std::vector<std::string> SerialPortNames() {
  std::vector<std::string> aNames;
  RegistryKey oMap(HKEY_LOCAL_MACHINE, kSerialDeviceMap);
  if (!oMap.Get()) return aNames;  // no serial device at all
  for (DWORD i = 0;; ++i) {
    char aDevice[256];
    char aPort[256];
    DWORD nDeviceLength = sizeof aDevice, nPortLength = sizeof aPort, nType = 0;
    const LSTATUS n = RegEnumValueA(oMap.Get(), i, aDevice, &nDeviceLength, nullptr, &nType,
                                    reinterpret_cast<BYTE*>(aPort), &nPortLength);
    if (n == ERROR_NO_MORE_ITEMS) break;
    if (n != ERROR_SUCCESS || nType != REG_SZ || nPortLength == 0) continue;  // not a port name
    aNames.emplace_back(aPort, strnlen(aPort, nPortLength));
  }
  SortPortNames(aNames);
  return aNames;
}

}  // namespace qvz::serial
