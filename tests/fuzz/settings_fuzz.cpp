// A settings file of any bytes: it is refused exactly when it is damaged (shorter than
// its record) or holds a value out of range, and then named; a file that is read gives
// a start-up range whose dates read back, saving it unchanged (by the program or the
// settings dialog) leaves every byte as it was, and a saved password reads back as the
// start-up check compares it.
#include <algorithm>
#include <variant>

#include "fuzz/fuzz_support.h"
#include "mainwindow/date_range.h"
#include "platform/errors.h"
#include "platform/windows1252.h"
#include "store/settings_record.h"
#include "tools/settings_form.h"

namespace qbk {
namespace {

bool valuesInRange(const SettingsRecord& s) {
    return s.fyMonth() >= 1 && s.fyMonth() <= 12 && s.fyDay() >= 1 &&
           s.fyDay() <= daysInMonth(2000, s.fyMonth()) && s.startupRange() >= 0;
}

void checkStartupRange(const SettingsRecord& s, DaySerial today) {
    static const RegionalSettings us = RegionalSettings::unitedStates();
    const int fyStart = FiscalYearOf(today, s.fyMonth(), s.fyDay());
    const DateRange range =
        SetRange(s.startupRange(), 0, fyStart, s.fyMonth(), s.fyDay(), today, us);
    const auto start = us.parseDate(range.start), end = us.parseDate(range.end);
    FUZZ_CHECK(start && end && *start <= *end && *start <= today);
    FUZZ_CHECK(s.startupRange() != 0 || *end >= today);
}

}  // namespace
}  // namespace qbk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qbk;
    fuzz::Input in(data, size);
    // Today from the year 1900 to 9000, where every start-up range fits in the calendar.
    const DaySerial today = in.value<std::uint32_t>() % 2520000;
    const std::string bytes(in.rest());
    const std::string path = fuzz::scratchFolder() + "qbk3.ini";
    fuzz::writeBytes(path, bytes);

    SettingsRecord settings;
    try {
        settings = readSettings(path);
    } catch (const OperationError& e) {
        const std::string what = e.what();
        FUZZ_CHECK(what.size() > path.size() + 2 &&
                   what.compare(what.size() - path.size() - 1, path.size(), path) == 0);
        // A short file, an empty one among them, is damaged: never the defaults.
        if (bytes.size() < settings_layout::kSize) {
            FUZZ_CHECK(e.number() == errnum::kBadRecordLength);
        } else {
            FUZZ_CHECK(e.number() == errnum::kInvalidCall &&
                       !valuesInRange(SettingsRecord::fromBytes(bytes)));
        }
        FUZZ_CHECK(fuzz::readBytes(path) == bytes);
        return 0;
    }
    FUZZ_CHECK(settings.bytes() == bytes.substr(0, settings_layout::kSize));
    checkStartupRange(settings, today);

    SaveConfig(path, settings);
    FUZZ_CHECK(fuzz::readBytes(path) == bytes);
    const auto saved = applySettingsForm(settingsFormOf(settings), settings);
    FUZZ_CHECK(std::holds_alternative<SettingsRecord>(saved) &&
               std::get<SettingsRecord>(saved) == settings);

    // A password as the dialog stores it is what the start-up box compares.
    std::string typed = fromWindows1252(in.rest().substr(0, 10));
    std::replace(typed.begin(), typed.end(), '\0', '0');  // a text box holds no zero byte
    SettingsRecord withPassword = settings;
    withPassword.setUserPassword(trimBlanks(typed));
    FUZZ_CHECK(trimField(withPassword.userPassword()) ==
               fromWindows1252(toWindows1252(trimBlanks(typed))));
    return 0;
}
