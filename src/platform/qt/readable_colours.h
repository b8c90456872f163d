// Colours that stay readable on any palette. The window's colours carry meaning (red
// money out, cyan report mode, yellow macro mode); on a dark or light palette they are
// kept as hues and moved in lightness only as far as reading needs, measured as the
// contrast ratio of the Web Content Accessibility Guidelines (1:1 to 21:1).
#ifndef QBK_PLATFORM_QT_READABLE_COLOURS_H_
#define QBK_PLATFORM_QT_READABLE_COLOURS_H_

#include <QColor>

namespace qbk {

// The contrast reading needs for normal text.
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two opaque colours: (lighter + 0.05) / (darker + 0.05) of their
// relative luminances.
double contrastRatio(const QColor& a, const QColor& b);

// `colour` unchanged when it reads on `background` with at least `ratio`; otherwise the
// nearest colour of its hue and saturation, lighter or darker, that does (black or white
// when none of its hue does).
QColor readableOn(const QColor& colour, const QColor& background, double ratio = kReadableContrast);

// A background of `hue` for text of `text`: the hue itself where the text reads on it,
// otherwise the hue mixed into `base` (the palette's own background) as far as needed for
// `ratio`, so that a light hue becomes a dark shade of itself on a dark palette.
QColor tintFor(const QColor& hue, const QColor& base, const QColor& text, double ratio);

}  // namespace qbk

#endif  // QBK_PLATFORM_QT_READABLE_COLOURS_H_
