// SPDX-License-Identifier: MIT
#pragma once

#include "design/tools/Tool.h"
#include "model/objects/ZpObject.h"

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace zp {

/// The tools a design area can use: the pointer and one drawing tool per
/// object class. It owns them and sets the area's active tool; a drawing
/// tool that has made its object hands back to the pointer.
class TZpToolBox : public QObject {
    Q_OBJECT
public:
    /// The pointer tool becomes the area's tool.
    explicit TZpToolBox(TZpDesignArea& area, QObject* parent = nullptr);
    ~TZpToolBox() override;

    /// The pointer for an empty name, else the drawing tool of that object
    /// class ("TZpTextObject", ...); unknown names select the pointer.
    void SetTool(const QString& className);
    /// By the palette's number: 0 the pointer, then text, rectangle, rounded
    /// rectangle, circle, line, constrained line, bar code, picture.
    void SetToolNumber(int number);
    [[nodiscard]] int ToolNumber() const;
    /// The class name of the current drawing tool, empty for the pointer.
    [[nodiscard]] QString ToolClassName() const { return FCurrentClass; }
    [[nodiscard]] TZpTool* Current() const;
    [[nodiscard]] TZpDesignArea& Area() const { return FArea; }

    /// Start editing a new text, bar code or picture object in place right
    /// after it was drawn.
    bool EditOnDrop = true;
    /// Arrow keys: (dx, dy) of -1, 0 or 1; unset, the keys do nothing.
    std::function<void(int dx, int dy)> Nudge;
    /// Starts editing the object in place (double click, or a new object
    /// with EditOnDrop); answers false when it has no in-place editor.
    /// By default EditObjectInPlace.
    std::function<bool(const TZpObjectPtr& object)> EditInPlace;
    /// Records "Editing", runs the object's own editor over its area and
    /// refreshes the values after it. Objects whose data source is not
    /// static text are not edited (a beep).
    bool EditObjectInPlace(const TZpObjectPtr& object);

Q_SIGNALS:
    void ToolChanged(const QString& className);

protected:
    /// Files and text dragged onto the label: picture files become picture
    /// objects at their natural size, text a text object, at the drop point.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TZpDesignArea& FArea;
    std::vector<std::pair<QString, std::unique_ptr<TZpTool>>> FTools;
    QString FCurrentClass;
};

} // namespace zp
