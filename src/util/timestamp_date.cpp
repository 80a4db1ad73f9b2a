#include "util/timestamp_date.h"

namespace qvz::util {

runtime::Date TTOD(const runtime::Timestamp& tStamp) { return tStamp.DatePart(); }

}  // namespace qvz::util
