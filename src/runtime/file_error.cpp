#include "runtime/file_error.h"

namespace qvz::runtime {
namespace {

unsigned long nLastError = 0;

}  // namespace

int FERROR() { return static_cast<int>(nLastError); }

void SetFileError(unsigned long nCode) { nLastError = nCode; }

}  // namespace qvz::runtime
