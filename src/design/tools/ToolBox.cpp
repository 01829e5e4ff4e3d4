// SPDX-License-Identifier: MIT
#include "design/tools/ToolBox.h"

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
