#include "receive/image_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace qvz::receive {
namespace {

constexpr mode_t kFileMode = 0666;  // less the user's umask, as for any new file

// A temporary file in the folder, removed again unless it was given away.
class TempFile {
 public:
  explicit TempFile(const std::string& cFolder) : cPath(cFolder + "/.qvz-receive-XXXXXX") {
    std::vector<char> a(cPath.begin(), cPath.end());
    a.push_back('\0');
    nFd = mkstemp(a.data());
    if (nFd >= 0) cPath = a.data();
  }
  ~TempFile() {
    if (nFd >= 0) close(nFd);
    if (lOwned) unlink(cPath.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  bool Ok() const { return nFd >= 0; }
  const std::string& Path() const { return cPath; }

  // Writes everything, sets the usual permissions and makes it durable.
  bool Fill(const std::string& cData) {
    for (std::size_t nDone = 0; nDone < cData.size();) {
      const ssize_t n = write(nFd, cData.data() + nDone, cData.size() - nDone);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return false;
      nDone += static_cast<std::size_t>(n);
    }
    const mode_t nMask = umask(0);
    umask(nMask);
    return fchmod(nFd, kFileMode & ~nMask) == 0 && fsync(nFd) == 0 && close(std::exchange(nFd, -1)) == 0;
  }

  void GiveAway() { lOwned = false; }

 private:
  std::string cPath;
  int nFd = -1;
  bool lOwned = true;
};

// Gives the temporary file the name unless the name exists: a hard link
// fails when it does. A file system without hard links (FAT, as on many USB
// sticks) gets the name reserved with an exclusive create and then replaced.
int LinkWithoutReplacing(const std::string& cTemp, const std::string& cFinal) {
  if (link(cTemp.c_str(), cFinal.c_str()) == 0) return 0;
  const int nError = errno;
  if (nError != EPERM && nError != ENOTSUP && nError != EOPNOTSUPP && nError != ENOSYS) return nError;
  const int nFd = open(cFinal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode);
  if (nFd < 0) return errno;
  close(nFd);
  if (rename(cTemp.c_str(), cFinal.c_str()) == 0) return 0;
  const int nRenameError = errno;
  unlink(cFinal.c_str());
  return nRenameError;
}

// The folder's entry for the new name goes to the disk too.
void SyncFolder(const std::string& cFolder) {
  const int nFd = open(cFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (nFd < 0) return;
  fsync(nFd);
  close(nFd);
}

}  // namespace

WriteResult WriteImageFile(const std::string& cFolder, const std::string& cName, const std::string& cData,
                           bool lReplace) {
  const std::string cFinal = cFolder + "/" + cName;
  TempFile oTemp(cFolder);
  if (!oTemp.Ok() || !oTemp.Fill(cData)) return {Written::kFailed, std::strerror(errno)};
  if (lReplace) {
    if (rename(oTemp.Path().c_str(), cFinal.c_str()) != 0) return {Written::kFailed, std::strerror(errno)};
    oTemp.GiveAway();
  } else if (const int nError = LinkWithoutReplacing(oTemp.Path(), cFinal); nError != 0) {
    if (nError == EEXIST) return {Written::kExists, {}};
    return {Written::kFailed, std::strerror(nError)};
  }
  SyncFolder(cFolder);
  return {Written::kSaved, {}};
}

}  // namespace qvz::receive
