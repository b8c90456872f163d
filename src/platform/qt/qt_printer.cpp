#include "platform/qt/qt_printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/errors.h"
#include "platform/qt/qt_text.h"

namespace qbk {

QtPrinter::QtPrinter() = default;
QtPrinter::~QtPrinter() = default;

bool QtPrinter::available() {
    return !QPrinterInfo::defaultPrinter().isNull();
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
    QFont font(qs(setup_.fontName), setup_.pointSize);
    font.setStyleHint(QFont::Monospace);
    font.setBold(setup_.bold);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int margin = metrics.horizontalAdvance(QStringLiteral("        "));  // a tab stop
    int y = metrics.ascent();
    for (const std::string& line : lines_) {
        QString text = qs(line);
        // Lines begin with a tab; every line starts at the same left margin.
        int x = 0;
        while (text.startsWith(QLatin1Char('\t'))) {
            text.remove(0, 1);
            x += margin;
        }
        painter.drawText(x, y, text);
        y += metrics.lineSpacing();
    }
    if (!painter.end())
        throw OperationError(errnum::kPrinterError, "The printer did not accept the job");
}

}  // namespace qbk
