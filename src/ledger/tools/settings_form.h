// The settings dialog's rules: what its fields show when it opens, and the settings
// record its Save button makes of what they hold. The dialog itself asks nothing;
// it shows the refusal, or writes the record with SaveConfig.
#ifndef QBK_TOOLS_SETTINGS_FORM_H_
#define QBK_TOOLS_SETTINGS_FORM_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/ports.h"
#include "store/settings_record.h"

namespace qbk {

// The ten option buttons of the frame "At Start Up Display...", in the dialog's order.
struct StartupRangeOption {
    std::string_view objectName;
    std::string_view caption;
    std::int16_t value;  // StartupRange: 0 the fiscal year, else days back
};
inline constexpr std::array<StartupRangeOption, 10> kStartupRangeOptions = {{
    {"SUD_FiscalYear", "Full Fiscal Year", 0},
    {"SUD_30Days", "Past 30 Days", 30},
    {"SUD_60Days", "Past 60 Days", 60},
    {"SUD_90Days", "Past 90 Days", 90},
    {"SUD_180Days", "Past 180 Days", 180},
    {"SUD_1Cal", "Past 1 Year", 365},
    {"SUD_2Cal", "Past 2 Years", 730},
    {"SUD_3Cal", "Past 3 Years", 1095},
    {"SUD_4Cal", "Past 4 Years", 1460},
    {"SUD_5Cal", "Past 5 Years", 1825},
}};

// A check box; Grey is the third state, which leaves its setting as it was.
enum class CheckState { Unchecked, Checked, Grey };

// What the dialog's fields hold.
struct SettingsForm {
    std::string fyMonth;                       // FYMonth: decimal text
    std::string fyDay;                         // FYDay: decimal text
    std::string password;                      // PasswordEd
    std::string ownerName;                     // OwnerNameEd
    std::optional<std::int16_t> startupRange;  // the selected option's value; none selected
    std::string udf1Name;                      // UDF1NameEd
    std::string udf2Name;                      // UDF2NameEd
    CheckState udf1Save = CheckState::Unchecked;
    CheckState udf2Save = CheckState::Unchecked;
    std::string editorName;      // EditorName
    std::string altFolder1Path;  // AltFolder1Path
    std::string altFolder2Path;  // AltFolder2Path
    friend bool operator==(const SettingsForm&, const SettingsForm&) = default;
};

// Form_Load: the fields for `settings` (record 1 as just read from the file). The
// password and the two labels show their 10-character fields as stored, trailing
// blanks included; the owner, editor and folders show theirs without surrounding
// blanks; the option whose value equals StartupRange is selected (none for another
// value); a check box is checked when its setting is "Y". Zero bytes (fields never
// stored) show as nothing.
SettingsForm settingsFormOf(const SettingsRecord& settings);

// SaveConfig_Click: the record to write, made from `read` (the record the dialog
// opened with) and the fields. A field still showing what it showed at opening keeps
// its stored bytes, so that saving without changes writes the file unchanged. An
// edited field is stored: the password, owner, editor and folders without surrounding
// blanks, the labels as typed, all cut to their widths; a check box "Y" or "N" (grey:
// unchanged); no selected option keeps StartupRange. Month and day must be whole
// numbers naming a month and a day of it (29 February included); otherwise the result
// is the refusal that names the field, and nothing is to be saved. GridOrder,
// ToolTipsFlag and the reserved bytes are kept as read.
std::variant<SettingsRecord, Message> applySettingsForm(const SettingsForm& form,
                                                        const SettingsRecord& read);

}  // namespace qbk

#endif  // QBK_TOOLS_SETTINGS_FORM_H_
