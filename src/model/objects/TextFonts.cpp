// SPDX-License-Identifier: MIT
#include "model/objects/TextFonts.h"

#include "base/Rounding.h"
#include "model/objects/Interfaces.h"
#include "model/objects/RVData.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QLoggingCategory>
#include <algorithm>

Q_LOGGING_CATEGORY(lcTextFonts, "zentaprint.model.text.fonts")

namespace zp {

QString DefaultSansFamily() {
    static const QString family = QFontInfo(QFont(QStringLiteral("sans-serif"))).family();
    return family;
}

bool IsFaceAvailable(const QString& name) {
    if (name.isEmpty())
        return false;
    if (QFontDatabase::hasFamily(name))
        return true;
    const QString family = QFontInfo(QFont(name)).family();
    return family.compare(name, Qt::CaseInsensitive) == 0 || family != DefaultSansFamily();
}

QString ResolveFace(const QString& name) {
    // Objects live on the one user-interface thread; the cache needs no lock.
    static QHash<QString, QString> cache;
    if (const auto it = cache.constFind(name); it != cache.constEnd())
        return *it;
    QString family = QFontInfo(QFont(name)).family();
    if (family.isEmpty())
        family = DefaultSansFamily();
    if (!name.isEmpty() && !IsFaceAvailable(name))
        qCInfo(lcTextFonts).noquote() << "The face" << name << "is not installed; text is drawn in" << family;
    cache.insert(name, family);
    return family;
}

int LabelFontPixels(int32_t points, int dpi) {
    // A pixel size beyond what a label could show is no use and strains the font engine.
    constexpr int64_t kLargest = 100000;
    const int64_t magnitude = points < 0 ? -int64_t(points) : int64_t(points);
    if (magnitude > kLargest * 72)
        return int(kLargest);
    const int32_t pixels = MulDiv(int32_t(magnitude), dpi, 72);
    return int(std::clamp<int64_t>(pixels, 1, kLargest));
}

QFont LabelFont(const TZpTextStyle& style, int dpi) {
    QFont font(ResolveFace(style.FontName));
    font.setPixelSize(LabelFontPixels(style.Size, dpi));
    font.setBold((style.Style & fsBold) != 0);
    font.setItalic((style.Style & fsItalic) != 0);
    font.setUnderline((style.Style & fsUnderline) != 0);
    font.setStrikeOut((style.Style & fsStrikeOut) != 0);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline | QFont::PreferQuality));
    return font;
}

} // namespace zp
