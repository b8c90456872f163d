#include "tools/settings_form.h"

#include <algorithm>

#include "platform/dates.h"
#include "platform/windows1252.h"

namespace qbk {
namespace {

// A leap year, so that a fiscal year may start on 29 February.
constexpr int kAnyLeapYear = 2000;

std::string withoutZeroBytes(std::string_view stored) {
    std::string out(stored);
    out.erase(std::remove(out.begin(), out.end(), '\0'), out.end());
    return out;
}

// A whole number as typed: digits with blanks around, nothing else.
std::optional<int> wholeNumber(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty() || text.size() > 4) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

Message refusal(std::string text) {
    return {std::move(text), "Nothing to do!", Icon::Exclamation, Buttons::Ok, 1};
}

CheckState checkOf(const std::string& flag) {
    return flag == "Y" ? CheckState::Checked : CheckState::Unchecked;
}

}  // namespace

SettingsForm settingsFormOf(const SettingsRecord& s) {
    SettingsForm f;
    f.fyMonth = std::to_string(s.fyMonth());
    f.fyDay = std::to_string(s.fyDay());
    f.password = withoutZeroBytes(s.userPassword());
    f.ownerName = std::string(trimField(s.ownerName()));
    for (const StartupRangeOption& o : kStartupRangeOptions)
        if (o.value == s.startupRange()) f.startupRange = o.value;
    f.udf1Name = withoutZeroBytes(s.udf1Name());
    f.udf2Name = withoutZeroBytes(s.udf2Name());
    f.udf1Save = checkOf(s.udf1Save());
    f.udf2Save = checkOf(s.udf2Save());
    f.editorName = std::string(trimField(s.editorName()));
    f.altFolder1Path = std::string(trimField(s.altFolder1Path()));
    f.altFolder2Path = std::string(trimField(s.altFolder2Path()));
    return f;
}

std::variant<SettingsRecord, Message> applySettingsForm(const SettingsForm& form,
                                                        const SettingsRecord& read) {
    const std::optional<int> month = wholeNumber(form.fyMonth);
    if (!month || *month < 1 || *month > 12)
        return refusal("\"FY Starts Month\" must be a whole number from 1 to 12.");
    const int lastDay = daysInMonth(kAnyLeapYear, *month);
    const std::optional<int> day = wholeNumber(form.fyDay);
    if (!day || *day < 1 || *day > lastDay)
        return refusal("\"FY Starts Day\" must be a whole number from 1 to " +
                       std::to_string(lastDay) + " (the days of month " + std::to_string(*month) +
                       ").");

    const SettingsForm opened = settingsFormOf(read);
    SettingsRecord s = read;
    s.setFyMonth(static_cast<std::int16_t>(*month));
    s.setFyDay(static_cast<std::int16_t>(*day));
    if (form.startupRange) s.setStartupRange(*form.startupRange);

    // Each setter runs only for a field the user changed.
    const auto text = [](const std::string& now, const std::string& before, auto set) {
        if (now != before) set(now);
    };
    text(form.password, opened.password,
         [&](const std::string& v) { s.setUserPassword(trimBlanks(v)); });
    text(form.ownerName, opened.ownerName,
         [&](const std::string& v) { s.setOwnerName(trimBlanks(v)); });
    text(form.udf1Name, opened.udf1Name, [&](const std::string& v) { s.setUdf1Name(v); });
    text(form.udf2Name, opened.udf2Name, [&](const std::string& v) { s.setUdf2Name(v); });
    text(form.editorName, opened.editorName,
         [&](const std::string& v) { s.setEditorName(trimBlanks(v)); });
    text(form.altFolder1Path, opened.altFolder1Path,
         [&](const std::string& v) { s.setAltFolder1Path(trimBlanks(v)); });
    text(form.altFolder2Path, opened.altFolder2Path,
         [&](const std::string& v) { s.setAltFolder2Path(trimBlanks(v)); });

    const auto check = [](CheckState now, CheckState before, auto set) {
        if (now == before || now == CheckState::Grey) return;
        set(now == CheckState::Checked ? "Y" : "N");
    };
    check(form.udf1Save, opened.udf1Save, [&](const char* v) { s.setUdf1Save(v); });
    check(form.udf2Save, opened.udf2Save, [&](const char* v) { s.setUdf2Save(v); });
    return s;
}

}  // namespace qbk
