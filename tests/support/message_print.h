// Messages spelled out in GoogleTest failure output.
#ifndef QBK_TESTS_SUPPORT_MESSAGE_PRINT_H_
#define QBK_TESTS_SUPPORT_MESSAGE_PRINT_H_

#include <ostream>

#include "platform/ports.h"

namespace qbk {

inline void PrintTo(const Message& m, std::ostream* out) {
    *out << "{\"" << m.text << "\", \"" << m.title << "\", icon " << static_cast<int>(m.icon)
         << ", buttons " << static_cast<int>(m.buttons) << ", default " << m.defaultButton << "}";
}

}  // namespace qbk

#endif  // QBK_TESTS_SUPPORT_MESSAGE_PRINT_H_
