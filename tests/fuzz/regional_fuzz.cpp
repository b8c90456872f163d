// Amount and date texts of any bytes, read by the United States and a comma-decimal
// setting, and day serials of any value: a date read is a day of the calendar whose
// text reads back as the same day, an amount read reads back from its plain and its
// currency text, and any serial shows as a date that reads back or as no date. The
// four-digit-year reader gives days of the years 100 to 9999 only.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "platform/regional.h"

namespace qbk {
namespace {

void checkText(std::string_view text, const RegionalSettings& r) {
    if (const std::optional<DaySerial> day = r.parseDate(text)) {
        FUZZ_CHECK(isDate(*day) && *day == std::floor(*day));
        FUZZ_CHECK(r.parseDate(r.shortDate(*day)) == day);
    }
    for (const std::optional<Money> amount : {r.parseAmount(text), r.parseTypedAmount(text)}) {
        if (!amount) continue;
        FUZZ_CHECK(r.parseAmount(r.numberText(*amount)) == amount);
        // The currency text is rounded to the cents.
        const std::optional<Money> shown = r.parseAmount(r.currencyText(*amount));
        FUZZ_CHECK(shown);
        const __int128 difference = static_cast<__int128>(shown->raw()) - amount->raw();
        FUZZ_CHECK(difference >= -50 && difference <= 50);
    }
}

void checkSerial(double serial, const RegionalSettings& r) {
    const std::string text = r.shortDate(serial);
    if (!isDate(serial)) {
        FUZZ_CHECK(text == kNoValueText && r.parseDate(text) == std::nullopt);
        return;
    }
    FUZZ_CHECK(r.parseDate(text) == std::floor(serial));
    FUZZ_CHECK(r.dateTimeText(serial, 3599).starts_with(text + " "));
}

}  // namespace
}  // namespace qbk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    static const RegionalSettings us = RegionalSettings::unitedStates();
    static const RegionalSettings de = RegionalSettings::germany();
    fuzz::Input in(data, size);
    const double serial = in.value<double>();
    const std::string_view text = in.rest();
    for (const RegionalSettings* r : {&us, &de}) {
        checkText(text, *r);
        checkSerial(serial, *r);
    }
    for (const DateOrder order :
         {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay}) {
        RegionalSettings version2;
        version2.dateOrder = order;
        version2.dateSeparator = ".";
        if (const std::optional<double> day = version2.parseDate(text, YearDigits::Four)) {
            const std::optional<CivilDate> d = dateFromSerial(*day);
            FUZZ_CHECK(d && d->year >= 100 && d->year <= 9999 && serialFromDate(*d) == *day);
        }
    }
    return 0;
}
