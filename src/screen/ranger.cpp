#include "screen/ranges.h"
#include "screen/transfer.h"
#include "toolkit/toolkit.h"

namespace kovrin {

void Ranger(Toolkit& toolkit) {
  for (const IntegerRange& range : kIntegerRanges) {
    toolkit.wdialograngeinteger(range.field, range.minimum, range.maximum);
  }
  for (const RealRange& range : kRealRanges) {
    toolkit.wdialograngereal(range.field, range.minimum, range.maximum);
  }
  for (const int field : kRequiredFields) toolkit.wdialogrequired(field);
}

}  // namespace kovrin
