// The error a step of a test throws, by its number.
#ifndef QBK_TESTS_SUPPORT_ERROR_NUMBER_H_
#define QBK_TESTS_SUPPORT_ERROR_NUMBER_H_

#include <functional>

#include "platform/errors.h"

namespace qbk::testing {

// The number of the OperationError that `f` throws; 0 when it throws none.
inline int errorNumberOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const OperationError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace qbk::testing

#endif  // QBK_TESTS_SUPPORT_ERROR_NUMBER_H_
