// Message templates with numbered markers, as the translated texts are written.
#ifndef QBK_PLATFORM_FILL_IN_H_
#define QBK_PLATFORM_FILL_IN_H_

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qbk {

// `templ` with "%1", "%2", ... replaced by the arguments in order, in one pass (a marker
// inside an argument stays as it is); a marker without an argument stays as it is.
inline std::string fillIn(std::string_view templ, const std::vector<std::string_view>& values) {
    std::string out;
    for (std::size_t i = 0; i < templ.size(); ++i) {
        if (templ[i] == '%' && i + 1 < templ.size() && templ[i + 1] >= '1' && templ[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(templ[i + 1] - '1');
            if (n < values.size()) {
                out += values[n];
                ++i;
                continue;
            }
        }
        out += templ[i];
    }
    return out;
}

inline std::string fillIn(std::string_view templ, std::initializer_list<std::string_view> args) {
    return fillIn(templ, std::vector<std::string_view>(args));
}

}  // namespace qbk

#endif  // QBK_PLATFORM_FILL_IN_H_
