#include "platform/qt/qt_printer.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/qt/qt_text.h"

namespace qbk {
namespace {

// Draws the lines of one job from the top of the page: the font of the page setup, and
// every line begins at the same left margin (a leading tab is one tab stop).
// The setup's page number, when it has one, stands at the foot of the page.
void paintJob(QPainter& painter, QPaintDevice& device, const PageSetup& setup,
              const std::vector<std::string>& lines) {
    QFont font(qs(setup.fontName), setup.pointSize);
    font.setStyleHint(QFont::Monospace);
    font.setBold(setup.bold);
    painter.setFont(font);
    const QFontMetrics metrics(font, &device);
    const int margin = metrics.horizontalAdvance(QStringLiteral("        "));  // a tab stop
    int y = metrics.ascent();
    for (const std::string& line : lines) {
        QString text = qs(line);
        int x = 0;
        while (text.startsWith(QLatin1Char('\t'))) {
            text.remove(0, 1);
            x += margin;
        }
        painter.drawText(x, y, text);
        y += metrics.lineSpacing();
    }
    if (setup.pageNumber > 0) {
        const QRect foot(0, device.height() - metrics.lineSpacing(), device.width(),
                         metrics.lineSpacing());
        painter.drawText(
            foot, Qt::AlignHCenter | Qt::AlignBottom,
            QStringLiteral("Page %1 of %2").arg(setup.pageNumber).arg(setup.pageCount));
    }
}

bool onlyEmptyLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (!line.empty()) return false;
    return true;
}

// The paper of the default printer, or the paper of the user's country.
QPageSize defaultPaper() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid()) return printer.defaultPageSize();
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

class QtPdfFile final : public PdfFile {
  public:
    explicit QtPdfFile(std::string path) : path_(std::move(path)), writer_(&buffer_) {
        buffer_.open(QIODevice::WriteOnly);
        writer_.setCreator(QStringLiteral("Quillbank 3"));
        writer_.setTitle(qs(fileName(path_)));
        writer_.setPageSize(defaultPaper());
        writer_.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    }
    void beginJob(const PageSetup& setup) override {
        setup_ = setup;
        lines_.clear();
    }
    void printLine(const std::string& line) override { lines_.push_back(line); }
    void endJob() override {
        // The job that a report ending on a full page leaves holds no text: no empty page.
        if (pages_ > 0 && onlyEmptyLines(lines_)) return;
        writer_.setPageOrientation(setup_.landscape ? QPageLayout::Landscape
                                                    : QPageLayout::Portrait);
        if (pages_ == 0) {
            if (!painter_.begin(&writer_)) throw failure();
        } else if (!writer_.newPage()) {
            throw failure();
        }
        ++pages_;
        paintJob(painter_, writer_, setup_, lines_);
    }
    void close() override {
        if (pages_ == 0) {
            if (!painter_.begin(&writer_)) throw failure();
        }
        if (!painter_.end()) throw failure();
        writeFileAtomically(path_, std::string_view(buffer_.data().constData(),
                                                    static_cast<std::size_t>(buffer_.size())));
    }

  private:
    OperationError failure() const {
        return OperationError(errnum::kPrinterError, "The PDF file was not made (" + path_ + ")");
    }

    std::string path_;
    QBuffer buffer_;
    QPdfWriter writer_;
    QPainter painter_;
    PageSetup setup_;
    std::vector<std::string> lines_;
    int pages_ = 0;
};

}  // namespace

QtPrinter::QtPrinter() = default;
QtPrinter::~QtPrinter() = default;

bool QtPrinter::available() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

std::unique_ptr<PdfFile> QtPrinter::openPdf(const std::string& path) {
    return std::make_unique<QtPdfFile>(path);
}

void QtPrinter::beginJob(const PageSetup& setup) {
    setup_ = setup;
    lines_.clear();
    inJob_ = true;
}

void QtPrinter::printLine(const std::string& line) {
    lines_.push_back(line);
}

void QtPrinter::endJob() {
    if (!inJob_) return;
    inJob_ = false;
    if (!available()) throw OperationError(errnum::kPrinterError, "No printer is installed");
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    if (setup_.landscape) printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        throw OperationError(errnum::kPrinterError, "The printer did not accept the job");
    paintJob(painter, printer, setup_, lines_);
    if (!painter.end())
        throw OperationError(errnum::kPrinterError, "The printer did not accept the job");
}

}  // namespace qbk
