// The program's own settings beyond the settings record, which keeps the Windows
// program's layout byte for byte: one "Key=Value" line each (CR LF) in
// kDueSettingsFileName of the program folder. A writer replaces its own key's line and
// keeps every other line as it was.
#ifndef QBK_STORE_PROGRAM_OPTIONS_H_
#define QBK_STORE_PROGRAM_OPTIONS_H_

#include <string>
#include <string_view>

namespace qbk {

// The value of `key` (as "Key="), blanks around it removed; "" when the file or the key
// is missing. Throws OperationError when the file cannot be read.
std::string programOption(const std::string& programFolder, std::string_view key);

// Writes `key`'s line with `value` (atomically), keeping the file's other lines.
void setProgramOption(const std::string& programFolder, std::string_view key,
                      std::string_view value);

// Whether reports show their captions in the window's language ("Y") or in English, as
// the Windows program's reports do (anything else).
inline constexpr std::string_view kTranslatedReportCaptionsKey = "TranslatedReportCaptions=";

}  // namespace qbk

#endif  // QBK_STORE_PROGRAM_OPTIONS_H_
