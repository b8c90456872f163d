#include "platform/qt/readable_colours.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace qbk {
namespace {

double channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor mix(const QColor& from, const QColor& to, double t) {
    auto at = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return QColor(at(from.red(), to.red()), at(from.green(), to.green()),
                  at(from.blue(), to.blue()));
}

// Walks from `colour` towards `end` in small steps and gives the first colour that reads.
std::optional<QColor> firstReadable(const QColor& colour, const QColor& end,
                                    const QColor& background, double ratio) {
    constexpr int kSteps = 100;
    for (int i = 1; i <= kSteps; ++i) {
        const QColor c = mix(colour, end, static_cast<double>(i) / kSteps);
        if (contrastRatio(c, background) >= ratio) return c;
    }
    return std::nullopt;
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& colour, const QColor& background, double ratio) {
    if (contrastRatio(colour, background) >= ratio) return colour;
    // Away from the background's lightness first: a hue stays a hue longer that way.
    const bool darkBackground = luminance(background) < 0.18;
    const QColor away = darkBackground ? QColor(Qt::white) : QColor(Qt::black);
    const QColor toward = darkBackground ? QColor(Qt::black) : QColor(Qt::white);
    // Mixing with black or white keeps the hue; lightness moves in HSL to keep saturation.
    QColor hsl = colour.toHsl();
    constexpr int kSteps = 100;
    for (int i = 1; i <= kSteps; ++i) {
        const double target = darkBackground
                                  ? hsl.lightnessF() + (1 - hsl.lightnessF()) * i / kSteps
                                  : hsl.lightnessF() * (1 - static_cast<double>(i) / kSteps);
        const QColor exact = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), target);
        const QColor c(exact.red(), exact.green(), exact.blue());  // 8 bits a channel
        if (contrastRatio(c, background) >= ratio) return c;
    }
    if (auto c = firstReadable(colour, toward, background, ratio)) return *c;
    return contrastRatio(away, background) >= contrastRatio(toward, background) ? away : toward;
}

QColor tintFor(const QColor& hue, const QColor& base, const QColor& text, double ratio) {
    if (contrastRatio(text, hue) >= ratio) return hue;
    if (auto c = firstReadable(hue, base, text, ratio)) return *c;
    return base;
}

}  // namespace qbk
