// Record stamps: the identity of an entry record, today's day serial plus the seconds
// since midnight in single precision, a plain sum (not a date and time).
//
// One stamp source serves the whole program. It never waits on the clock: when the
// clock has not moved past the last stamp issued, the seconds step to the next value
// instead, so stamps are strictly increasing. The seconds are kept to multiples of
// 1/512 (exact in single precision at every time of day), which keeps every stamp
// within 15 significant digits, so that the text the record grid holds reads back to
// the same number.
#ifndef QBK_PLATFORM_STAMPS_H_
#define QBK_PLATFORM_STAMPS_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace qbk {

class StampSource {
  public:
    explicit StampSource(const Clock& clock) : clock_(clock) {}
    StampSource(const StampSource&) = delete;
    StampSource& operator=(const StampSource&) = delete;

    // A stamp greater than every stamp this source issued or noted before.
    double next();

    // Makes later stamps greater than `stamp` too. A writer notes the largest stamp of
    // the record file it is about to change (read under the book lock), so that stamps
    // stay unique within a book across processes and runs, even when an earlier run's
    // stamps went ahead of the clock. Values that are no stamp are ignored.
    void noteExisting(double stamp);
    double last() const { return last_; }

  private:
    const Clock& clock_;
    double last_ = 0;
};

// True for a value a stamp can take: a finite number from the first day of the year 1
// to the last day of 9999 plus a day of seconds. Any other value read from a file is
// "no stamp"; it names no entry.
bool isStamp(double value);

// Decimal text of a stamp with up to 15 significant digits and no exponent ("." as
// decimal point, whatever the regional settings: the text is an identity, not a
// number to read); kNoValueText for no stamp.
std::string stampText(double stamp);
// The stamp of a stamp text; nullopt for an empty or malformed text.
std::optional<double> parseStamp(std::string_view text);

}  // namespace qbk

#endif  // QBK_PLATFORM_STAMPS_H_
