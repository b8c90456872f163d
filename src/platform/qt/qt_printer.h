// The system's default printer through Qt: one QPrinter document per job.
#ifndef QBK_PLATFORM_QT_QT_PRINTER_H_
#define QBK_PLATFORM_QT_QT_PRINTER_H_

#include <memory>
#include <string>
#include <vector>

#include "platform/ports.h"

class QPrinter;

namespace qbk {

class QtPrinter final : public Printer {
  public:
    QtPrinter();
    ~QtPrinter() override;
    bool available() override;
    void beginJob(const PageSetup& setup) override;
    void printLine(const std::string& line) override;
    void endJob() override;

  private:
    PageSetup setup_;
    std::vector<std::string> lines_;
    bool inJob_ = false;
};

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_QT_PRINTER_H_
