// A fresh temporary folder of the tool's own for the work files of one command (never
// the program folder, where a running window keeps its report list), removed with
// everything in it when the command ends.
#ifndef QBK_CLI_WORK_FOLDER_H_
#define QBK_CLI_WORK_FOLDER_H_

#include <string>

namespace qbk {

class WorkFolder {
  public:
    WorkFolder();  // throws OperationError when no folder can be made
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const std::string& path() const { return path_; }  // without a trailing "/"

  private:
    std::string path_;
};

}  // namespace qbk

#endif  // QBK_CLI_WORK_FOLDER_H_
