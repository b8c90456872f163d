#include "charts/qt/chart_files.h"

#include <QBuffer>
#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "platform/errors.h"
#include "platform/files.h"

namespace qbk {
namespace {

// Draws the view's chart into `target` of the painter's device.
void drawInto(QChartView& view, QPainter& painter, const QRectF& target) {
    painter.setRenderHint(QPainter::Antialiasing);
    view.render(&painter, target, view.viewport()->rect(), Qt::KeepAspectRatio);
}

QImage image(QChartView& view) {
    QImage picture(view.viewport()->size(), QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    drawInto(view, painter, picture.rect());
    return picture;
}

// Draws the chart on the page of a paged device, centred and scaled to fit.
void drawOnPage(QChartView& view, QPainter& painter) {
    const QRect page = painter.viewport();
    const QSizeF size = QSizeF(view.viewport()->size()).scaled(page.size(), Qt::KeepAspectRatio);
    const QRectF target(page.x() + (page.width() - size.width()) / 2,
                        page.y() + (page.height() - size.height()) / 2, size.width(),
                        size.height());
    drawInto(view, painter, target);
}

}  // namespace

std::optional<PictureFormat> pictureFormatOf(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    std::string extension(path.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "png") return PictureFormat::Png;
    if (extension == "svg") return PictureFormat::Svg;
    if (extension == "pdf") return PictureFormat::Pdf;
    return std::nullopt;
}

std::string pictureBytes(QChartView& view, PictureFormat format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
        case PictureFormat::Png:
            image(view).save(&buffer, "PNG");
            break;
        case PictureFormat::Svg: {
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            const QSize size = view.viewport()->size();
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setTitle(view.chart() ? view.chart()->title() : QString());
            QPainter painter(&svg);
            drawInto(view, painter, QRectF(QPointF(0, 0), QSizeF(size)));
            break;
        }
        case PictureFormat::Pdf: {
            QPdfWriter pdf(&buffer);
            pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                          QMarginsF(15, 15, 15, 15)));
            QPainter painter(&pdf);
            drawOnPage(view, painter);
            break;
        }
    }
    return bytes.toStdString();
}

void savePicture(QChartView& view, const std::string& path, PictureFormat format) {
    writeFileAtomically(path, pictureBytes(view, format));
}

void copyPicture(QChartView& view) {
    QGuiApplication::clipboard()->setImage(image(view));
}

void printPicture(QChartView& view, QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        throw OperationError(errnum::kPrinterError, "The printer did not accept the job");
    drawOnPage(view, painter);
    if (!painter.end())
        throw OperationError(errnum::kPrinterError, "The printer did not accept the job");
}

}  // namespace qbk
