// SPDX-License-Identifier: MIT
#include "barcode/EanUpcFont.h"

#include <QFont>
#include <QString>

namespace zp {

void RegisterEanUpcFont() {
    static const bool registered = [] {
        QFont::insertSubstitution(QLatin1String(kEanUpcFontName), QStringLiteral("OCR B"));
        return true;
    }();
    (void)registered;
}

} // namespace zp
