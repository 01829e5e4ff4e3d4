// SPDX-License-Identifier: MIT
#include "model/objects/PlainEditor.h"

namespace zp {

namespace {

TZpPlainEditorFactory& Factory() {
    static TZpPlainEditorFactory factory;
    return factory;
}

} // namespace

void SetPlainEditorFactory(TZpPlainEditorFactory factory) {
    Factory() = std::move(factory);
}

std::unique_ptr<IZpPlainEditor> CreatePlainEditor(QWidget* parent, const TRect& rect, const QString& text) {
    return Factory() ? Factory()(parent, rect, text) : nullptr;
}

} // namespace zp
