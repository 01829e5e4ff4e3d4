// SPDX-License-Identifier: MIT
#include "model/objects/ObjectClasses.h"

#include "barcode/BarcodeObject.h"
#include "model/objects/PictureObject.h"
#include "model/objects/ShapeObjects.h"
#include "model/objects/TextObject.h"

#include <array>

namespace zp {

namespace {

template <class T> TZpObjectClass Entry(const char* name, int cursor) {
    return {QLatin1String(name), cursor, [] { return std::shared_ptr<TZpObject>(std::make_shared<T>()); }};
}

// Tried in this order.
const std::array<TZpObjectClass, 8>& Classes() {
    static const std::array<TZpObjectClass, 8> classes = {
        Entry<TZpTextObject>("TZpTextObject", 2000),
        Entry<TZpBarcodeObject>("TZpBarcodeObject", 2007),
        Entry<TZpCircleObject>("TZpCircleObject", 2004),
        Entry<TZpPictureObject>("TZpPictureObject", 2008),
        Entry<TZpLineObject>("TZpLineObject", 2005),
        Entry<TZpLineConstraint>("TZpLineConstraint", 2006),
        Entry<TZpRectangleObject>("TZpRectangleObject", 2002),
        Entry<TZpRoundRectObject>("TZpRoundRectObject", 2003),
    };
    return classes;
}

} // namespace

const TZpObjectClass* FindObjectClass(const QString& name) {
    for (const TZpObjectClass& c : Classes())
        if (c.Create && c.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

std::shared_ptr<TZpObject> CreateObject(const QString& name) {
    const TZpObjectClass* c = FindObjectClass(name);
    return c ? c->Create() : nullptr;
}

const QStringList& ObjectClassNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const TZpObjectClass& c : Classes())
            list << c.Name;
        return list;
    }();
    return names;
}

} // namespace zp
