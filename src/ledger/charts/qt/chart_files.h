// A chart taken out of the program: a PNG or SVG picture, a PDF page, the clipboard,
// the printer. Files are written whole (a sibling file renamed over the target), so a
// failure leaves the file as it was.
#ifndef QBK_CHARTS_QT_CHART_FILES_H_
#define QBK_CHARTS_QT_CHART_FILES_H_

#include <optional>
#include <string>
#include <string_view>

class QChartView;
class QPrinter;

namespace qbk {

enum class PictureFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension (".png", ".svg", ".pdf", in any
// case); nullopt for any other name.
std::optional<PictureFormat> pictureFormatOf(std::string_view path);

// The bytes of the chart in `view`, drawn at the view's size (a PDF: one landscape A4
// page with the chart scaled to fit).
std::string pictureBytes(QChartView& view, PictureFormat format);

// Writes the picture to `path`. Throws OperationError when the file cannot be written.
void savePicture(QChartView& view, const std::string& path, PictureFormat format);

// Puts the picture on the clipboard as an image.
void copyPicture(QChartView& view);

// Prints the chart on one landscape page of `printer`, scaled to fit. Throws
// OperationError when the printer refuses the job.
void printPicture(QChartView& view, QPrinter& printer);

}  // namespace qbk

#endif  // QBK_CHARTS_QT_CHART_FILES_H_
