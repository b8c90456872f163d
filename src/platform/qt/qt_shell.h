// The desktop's shell services through Qt.
#ifndef QBK_PLATFORM_QT_QT_SHELL_H_
#define QBK_PLATFORM_QT_QT_SHELL_H_

#include "platform/ports.h"

namespace qbk {

class QtShell final : public Shell {
  public:
    bool openDocument(const std::string& path) override;
    bool openUrl(const std::string& url) override;
    bool startProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder) override;
};

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_QT_SHELL_H_
