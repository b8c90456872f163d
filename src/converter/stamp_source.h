// Record stamps: today's day serial plus the seconds since midnight in single
// precision, a plain sum that identifies a record (not a date and time).
//
// The source never waits on the clock. The seconds are kept to multiples of 1/512,
// which keeps every stamp within 15 significant digits (so that its text reads back
// to the same number); when the clock has not moved past the last stamp, the seconds
// step to the next such value until the stamp is greater.
#ifndef QBK_CONVERTER_STAMP_SOURCE_H_
#define QBK_CONVERTER_STAMP_SOURCE_H_

namespace qbk::converter {

struct ClockReading {
    double today = 0;    // whole day serial, local time
    double seconds = 0;  // seconds since local midnight, with fractions
};

class Clock {
  public:
    virtual ~Clock() = default;
    // Day and time of one moment, so that midnight cannot fall between the two.
    virtual ClockReading now() const = 0;
};

class SystemClock final : public Clock {
  public:
    ClockReading now() const override;
};

class StampSource {
  public:
    explicit StampSource(const Clock& clock) : clock_(clock) {}
    StampSource(const StampSource&) = delete;
    StampSource& operator=(const StampSource&) = delete;

    // A stamp greater than every stamp issued or noted before.
    double next();

    // Makes later stamps greater than `stamp` too: the converter notes the stamps of
    // the records already in the file it appends to, so that a second run started
    // soon after the first (whose stamps ran ahead of the clock) cannot repeat them.
    // Values that cannot be stamps (not finite, negative, or beyond any day and time
    // the clock can show) are ignored.
    void noteExisting(double stamp);

    double last() const { return last_; }

  private:
    const Clock& clock_;
    double last_ = 0;
};

}  // namespace qbk::converter

#endif  // QBK_CONVERTER_STAMP_SOURCE_H_
