// The window's setting of entries that come due: whether it posts them at start-up (and
// when the date changes) without asking. It lives in its own small text file of the
// program folder, kDueSettingsFileName, so that qbk3.ini keeps the Windows program's
// layout byte for byte:
//
//   PostWithoutAsking=Y      (or N; CR LF; any other line is passed over)
#ifndef QBK_SCHEDULES_DUE_SETTINGS_H_
#define QBK_SCHEDULES_DUE_SETTINGS_H_

#include <string>
#include <string_view>

namespace qbk {

inline constexpr std::string_view kPostWithoutAskingKey = "PostWithoutAsking=";

// The setting in `programFolder`; false when the file is missing or says nothing.
// Throws OperationError when the file cannot be read.
bool postsWithoutAsking(const std::string& programFolder);

// Writes the setting (atomically).
void setPostsWithoutAsking(const std::string& programFolder, bool withoutAsking);

}  // namespace qbk

#endif  // QBK_SCHEDULES_DUE_SETTINGS_H_
