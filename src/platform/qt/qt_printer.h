// The system's default printer through Qt: one QPrinter document per job; and PDF files
// printed the same way through Qt's PDF writer.
#ifndef QBK_PLATFORM_QT_QT_PRINTER_H_
#define QBK_PLATFORM_QT_QT_PRINTER_H_

#include <memory>
#include <string>
#include <vector>

#include "platform/ports.h"

namespace qbk {

class QtPrinter final : public Printer {
  public:
    QtPrinter();
    ~QtPrinter() override;
    bool available() override;
    std::unique_ptr<PdfFile> openPdf(const std::string& path) override;
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
