// SPDX-License-Identifier: MIT
#include "design/tools/ToolBox.h"

#include "base/LabelDpi.h"
#include "data/FieldDrag.h"
#include "design/edit/Clipboard.h"
#include "design/edit/DroppedObjects.h"
#include "design/edit/InPlaceEdit.h"
#include "design/tools/BarcodeTool.h"
#include "design/tools/CircleTool.h"
#include "design/tools/ConstrainedLineTool.h"
#include "design/tools/LineTool.h"
#include "design/tools/PictureTool.h"
#include "design/tools/PointerTool.h"
#include "design/tools/RectangleTool.h"
#include "design/tools/RoundRectTool.h"
#include "design/tools/TextTool.h"
#include "design/view/DesignArea.h"
#include "design/view/InPlaceEditors.h"
#include "model/objects/Interfaces.h"
#include "model/objects/TextInterfaces.h"
#include "platform/dialogs/DialogServices.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>

namespace zp {

TZpToolBox::TZpToolBox(TZpDesignArea& area, QObject* parent) : QObject(parent), FArea(area) {
    FTools.emplace_back(QString(), std::make_unique<TZpPointerTool>(*this));
    auto add = [this](std::unique_ptr<TZpCreateTool> tool) {
        const QString name = tool->ClassName();
        FTools.emplace_back(name, std::move(tool));
    };
    add(std::make_unique<TZpTextTool>(*this));
    add(std::make_unique<TZpRectangleTool>(*this));
    add(std::make_unique<TZpRoundRectTool>(*this));
    add(std::make_unique<TZpCircleTool>(*this));
    add(std::make_unique<TZpLineTool>(*this));
    add(std::make_unique<TZpConstrainedLineTool>(*this));
    add(std::make_unique<TZpBarcodeTool>(*this));
    add(std::make_unique<TZpPictureTool>(*this));
    FArea.SetTool(FTools.front().second.get());
    EditInPlace = [this](const TZpObjectPtr& object) { return EditObjectInPlace(object); };
    InstallInPlaceEditors();
    FArea.viewport()->setAcceptDrops(true);
    FArea.viewport()->installEventFilter(this);
}

bool TZpToolBox::EditObjectInPlace(const TZpObjectPtr& object) {
    auto* editor = Supports<IZpEdit>(object);
    if (!editor)
        return false;
    if (!TZpInPlaceEdit::CanEdit(object)) {
        QApplication::beep();
        return false;
    }
    TZpEditSession& session = FArea.Session();
    FArea.EndInPlaceEdit();
    if (!session.BeginInPlaceEdit(object))
        return false;
    if (auto* zoom = Supports<IZpEditZoom>(object))
        zoom->SetEditZoom(FArea.Zoom());
    // The object is not drawn while its editor shows it.
    FArea.InvalidateObject(object, false);
    const TRect device = NormalizedRect(FArea.Mapping().LabelToDeviceRect(object->GetBounds()));
    try {
        editor->BeginEdit(FArea.viewport(), device);
    } catch (const std::exception& e) {
        ZpDialogs().MessageBox(TZpMsgKind::Error, QString::fromUtf8(e.what()), TZpButtons::Ok, TZpAnswer::Ok);
    }
    // An editor that is a dialog (pictures) is done when BeginEdit returns;
    // the others stay open until the area ends the edit.
    if (!editor->IsEditing())
        FArea.EndInPlaceEdit();
    else // the font now shows the caret's format
        session.Notify(TZpChange::Selection);
    return true;
}

namespace {

/// The local picture files among the dropped URLs; label files are left to
/// the main window, which opens them.
QStringList DroppedPictures(const QMimeData& mime) {
    QStringList files;
    for (const QUrl& url : mime.urls()) {
        if (!url.isLocalFile())
            continue;
        const QString file = url.toLocalFile();
        if (!QImageReader::imageFormat(file).isEmpty())
            files << file;
    }
    return files;
}

bool AcceptsDrop(const QMimeData& mime) {
    // Label objects and fields from the data window carry texts as well;
    // the design area takes them as what they are.
    if (OffersObjects(mime) || mime.hasFormat(QLatin1String(kFieldDragMimeType)))
        return false;
    return mime.hasUrls() ? !DroppedPictures(mime).isEmpty() : mime.hasText();
}

} // namespace

bool TZpToolBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FArea.viewport())
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (FArea.Session().IsLocked() || !AcceptsDrop(*drag->mimeData()))
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QMimeData& mime = *drop->mimeData();
        if (FArea.Session().IsLocked() || !AcceptsDrop(mime))
            return false;
        TPoint at = FArea.DeviceToLabel(drop->position().toPoint());
        at = {std::max(0, at.X), std::max(0, at.Y)};
        try {
            if (mime.hasUrls()) {
                // Several pictures go down in a cascade from the drop point.
                const int step = LabelDPI() / 8;
                for (const QString& file : DroppedPictures(mime)) {
                    AddDroppedPicture(FArea.Session(), file, at);
                    at = {at.X + step, at.Y + step};
                }
            } else {
                AddDroppedText(FArea.Session(), mime.text(), at);
            }
        } catch (const std::exception& e) {
            ZpDialogs().MessageBox(TZpMsgKind::Error, QString::fromUtf8(e.what()), TZpButtons::Ok,
                                   TZpAnswer::Ok);
        }
        drop->acceptProposedAction();
        return true;
    }
    default:
        return false;
    }
}

TZpToolBox::~TZpToolBox() {
    if (FArea.Tool() == Current())
        FArea.SetTool(nullptr);
}

TZpTool* TZpToolBox::Current() const {
    for (const auto& [name, tool] : FTools)
        if (name == FCurrentClass)
            return tool.get();
    return nullptr;
}

void TZpToolBox::SetToolNumber(int number) {
    SetTool(number > 0 && number < int(FTools.size()) ? FTools[size_t(number)].first : QString());
}

int TZpToolBox::ToolNumber() const {
    for (size_t i = 0; i < FTools.size(); ++i)
        if (FTools[i].first == FCurrentClass)
            return int(i);
    return 0;
}

void TZpToolBox::SetTool(const QString& className) {
    FArea.EndInPlaceEdit();
    QString name;
    for (const auto& entry : FTools)
        if (entry.first.compare(className, Qt::CaseInsensitive) == 0)
            name = entry.first;
    FCurrentClass = name;
    FArea.SetTool(Current());
    FArea.viewport()->setCursor(Current()->CursorAt({}));
    Q_EMIT ToolChanged(FCurrentClass);
}

} // namespace zp
