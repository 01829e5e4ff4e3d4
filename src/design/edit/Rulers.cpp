// SPDX-License-Identifier: MIT
#include "design/edit/Rulers.h"

#include "base/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zp {

QString RulerUnitText(TZpRulerUnits units) {
    switch (units) {
    case ruDecimalInches:
        return QStringLiteral("DI");
    case ruCentimeters:
        return QStringLiteral("CM");
    case ruMillimeters:
        return QStringLiteral("MM");
    default:
        return QStringLiteral("IN");
    }
}

TZpRulerUnits NextRulerUnits(TZpRulerUnits units) {
    return TZpRulerUnits((int(units) + 1) % 4);
}

int RulerTickLength(int h, int unitPixels, int rulerPixels, TZpRulerUnits units, int screenPpi) {
    const int L = rulerPixels;
    const int U = unitPixels;
    if (U <= 0)
        return L / 4;
    const int m = h % U;
    if (m == 0)
        return L;
    // A divisor of 0 (a tiny unit) never matches.
    auto on = [m](int d) { return d > 0 && m % d == 0; };
    if (on(U / 2))
        return L / 2;
    if (units == ruInches && screenPpi == 96) {
        if (on(U / 4))
            return L / 4;
        if (on(U / 8))
            return L / 4 - 1;
        if (on(U / 16))
            return L / 4 - 2;
        if (on(U / 32))
            return L / 4 - 3;
    }
    return L / 4;
}

std::vector<TZpRulerTick> RulerTicksBetween(int from, int to, int unitPixels, int subUnits, int rulerPixels,
                                            TZpRulerUnits units, int screenPpi) {
    std::vector<TZpRulerTick> ticks;
    if (unitPixels <= 0 || subUnits <= 0 || to <= from)
        return ticks;
    const int step = units == ruMillimeters ? 10 : 1;
    const float delta = float(unitPixels) / float(subUnits);
    // Positions are k times the spacing rather than a running sum, so that
    // any stretch of a long ruler is drawn without walking up to it.
    for (int64_t k = std::max<int64_t>(0, int64_t(std::floor((from - 1) / delta)));; ++k) {
        const float f = float(k) * delta;
        if (f >= float(to))
            break;
        const int h = Round(f);
        if (h < from)
            continue;
        if (h % unitPixels == 0 && h >= 1)
            ticks.push_back({h, rulerPixels, h / unitPixels * step});
        else
            ticks.push_back({h, RulerTickLength(h, unitPixels, rulerPixels, units, screenPpi), 0});
    }
    return ticks;
}

int SnapToRulerTick(int coordinate, int offset, float tick) {
    if (tick <= 0)
        return coordinate;
    const float p = float(coordinate - offset);
    const float q = p / tick;
    if (q == std::trunc(q))
        return coordinate;
    return Round(double(tick) * std::trunc(q)) + offset;
}

TRect SnapRectToGuides(TRect rect, const TZpIDEProperties& ide, int labelDpi) {
    if (!ide.SnapToGuides)
        return rect;
    const int t = Round(labelDpi * 0.0625 / (ide.Scale() / 100.0));
    auto shiftX = [&rect](int dx) {
        rect.Left += dx;
        rect.Right += dx;
    };
    auto shiftY = [&rect](int dy) {
        rect.Top += dy;
        rect.Bottom += dy;
    };
    for (int32_t g : ide.FGuidesX) {
        if (std::abs(int64_t(rect.Left) - g) < t)
            shiftX(g + 1 - rect.Left);
        else if (std::abs(int64_t(rect.Right) - g) < t)
            shiftX(g - rect.Right);
    }
    for (int32_t g : ide.FGuidesY) {
        if (std::abs(int64_t(rect.Top) - g) < t)
            shiftY(g + 1 - rect.Top);
        else if (std::abs(int64_t(rect.Bottom) - g) < t)
            shiftY(g - rect.Bottom);
    }
    return rect;
}

int FindGuide(const QList<int32_t>& guides, int pos, int tolerance) {
    for (qsizetype i = 0; i < guides.size(); ++i)
        if (std::abs(int64_t(guides[i]) - pos) <= tolerance)
            return int(i);
    return -1;
}

bool IsUniqueGuide(const QList<int32_t>& guides, int index) {
    if (index < 0 || index >= guides.size())
        return false;
    for (qsizetype i = 0; i < guides.size(); ++i)
        if (i != index && guides[i] == guides[index])
            return false;
    return true;
}

} // namespace zp
