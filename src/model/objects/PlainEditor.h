// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace zp {

/// A one-text editor over an object while it is edited in place (the bar
/// code's data). Enter does not type: it ends the edit.
class IZpPlainEditor {
public:
    virtual ~IZpPlainEditor() = default;
    [[nodiscard]] virtual QString Text() const = 0;
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    /// Hides and lets go of the editor's window.
    virtual void Close() = 0;
};

/// Makes the editor over parent at rect (parent's pixels) holding text, all
/// of it selected. The window code installs it; without one nothing opens.
using TZpPlainEditorFactory =
    std::function<std::unique_ptr<IZpPlainEditor>(QWidget* parent, const TRect& rect, const QString& text)>;
void SetPlainEditorFactory(TZpPlainEditorFactory factory);
/// Null without a factory.
[[nodiscard]] std::unique_ptr<IZpPlainEditor> CreatePlainEditor(QWidget* parent, const TRect& rect,
                                                                const QString& text);

} // namespace zp
