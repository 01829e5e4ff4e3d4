// SPDX-License-Identifier: MIT
#include "ui/ArrangeHooks.h"

#include "design/dialogs/MultiplePropertySheet.h"
#include "design/edit/Arrange.h"

namespace zp {

bool RunArrangeCommand(TZpEditSession& session, const QString& commandId, int tag) {
    const auto is = [&](const char* id) { return commandId == QLatin1String(id); };
    if (commandId.startsWith(QLatin1String("acAlign")) || is("acHCenter") || is("acVCenter"))
        AlignObjects(session, TZpAlign(tag));
    else if (commandId.startsWith(QLatin1String("acSize")))
        SizeObjects(session, TZpSize(tag));
    else if (commandId.startsWith(QLatin1String("acDistribute")))
        DistributeObjects(session, tag == 0);
    else if (is("acBringToFront"))
        BringToFront(session);
    else if (is("acSendToBack"))
        SendToBack(session);
    else if (is("acGroup"))
        GroupSelected(session);
    else if (is("acUngroup"))
        UngroupSelected(session);
    else if (is("acRotate"))
        RotateSelected(session);
    else if (is("acFlipHorizontal"))
        FlipSelected(session, 0);
    else if (is("acFlipVertical"))
        FlipSelected(session, 1);
    else
        return false;
    return true;
}

void ApplyStyleEdit(TZpEditSession& session, const TZpStyleEdit& edit, bool editing) {
    switch (edit.Kind) {
    case TZpStyleEdit::FontName:
        SetFontName(session, edit.Name, editing);
        break;
    case TZpStyleEdit::FontSize:
        SetFontSize(session, edit.Value, editing);
        break;
    case TZpStyleEdit::FontColor:
        SetFontColor(session, edit.Color, editing);
        break;
    case TZpStyleEdit::FontStyle:
        // The row's tag is the style bit: 1 bold, 2 italic, 4 underline.
        if (edit.Value == 1)
            SetFontBold(session, edit.On, editing);
        else if (edit.Value == 2)
            SetFontItalic(session, edit.On, editing);
        else if (edit.Value == 4)
            SetFontUnderline(session, edit.On, editing);
        break;
    case TZpStyleEdit::TextAlignment:
        SetTextAlignment(session, uint8_t(edit.Value), editing);
        break;
    case TZpStyleEdit::FillStyle:
        SetFillStyle(session, edit.Color, uint8_t(edit.Value), edit.On);
        break;
    case TZpStyleEdit::LineStyle:
        SetLineStyle(session, edit.Color, uint8_t(edit.Value), edit.Width);
        break;
    }
}

void InstallArrangeHooks(TZpCommandHooks& hooks, TZpEditSession& session, QWidget* parent,
                         std::function<bool()> editing) {
    auto isEditing = [editing] { return editing && editing(); };
    hooks.Arrange = [&session](const QString& id, int tag) { RunArrangeCommand(session, id, tag); };
    hooks.Format = [&session, isEditing](const TZpStyleEdit& edit) {
        ApplyStyleEdit(session, edit, isEditing());
    };
    hooks.EditObjectProperties = [&session, parent] {
        EditSelectedProperties(session, [parent](const TZpObjectList& objects) {
            return RunMultiplePropertySheet(objects, parent);
        });
    };
    hooks.ImportTextFile = [&session](const QString& fileName) { ImportTextFile(session, fileName); };
}

} // namespace zp
