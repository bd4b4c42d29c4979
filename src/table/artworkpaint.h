#pragma once
// The colour arithmetic the table's pictures share: the bones and buttons, and the textures.

#include <QColor>

#include <algorithm>

namespace artwork {

inline double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

inline QColor mix(const QColor& a, const QColor& b, double t)
{
    t = clamp01(t);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

inline QColor scaled(const QColor& c, double factor)
{
    return QColor::fromRgbF(float(clamp01(c.redF() * factor)), float(clamp01(c.greenF() * factor)),
                            float(clamp01(c.blueF() * factor)), c.alphaF());
}

} // namespace artwork
