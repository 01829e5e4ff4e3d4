// SPDX-License-Identifier: MIT
#include "print/RunSources.h"

#include "model/data/ZpData.h"
#include "model/document/DataSources.h"
#include "model/script/ZpScript.h"

namespace zp {

namespace {

const QString kPromptText = QStringLiteral("PROMPT");

bool TakesPart(const IZpData& data, bool prompts) {
    return prompts || data.GetKind() != dkPrompt;
}

} // namespace

TZpRunSources::TZpRunSources(const TZpObjectList& objects) : FObjects(objects) {
    for (const TZpObjectPtr& obj : objects) {
        IZpData* data = Supports<IZpData>(obj);
        if (!data)
            continue;
        FItems.push_back({obj.get(), data, Supports<IZpDataCallback>(obj), Supports<IZpScript>(obj)});
    }
}

std::vector<IZpPaint*> TZpRunSources::PrintableObjects(const TZpObjectList& objects) {
    std::vector<IZpPaint*> result;
    for (const TZpObjectPtr& obj : objects)
        if (IZpPaint* paint = Supports<IZpPaint>(obj); paint && obj->GetPrintObject())
            result.push_back(paint);
    return result;
}

void TZpRunSources::ResetSerials(bool prompts) {
    for (const TZpRunSource& s : FItems)
        if (TakesPart(*s.Data, prompts))
            s.Data->ResetSerial();
}

void TZpRunSources::NextSerials(bool prompts) {
    for (const TZpRunSource& s : FItems)
        if (TakesPart(*s.Data, prompts))
            s.Data->NextSerial();
}

// Each source runs its DataUpdated script and tells its object itself; the
// links come last so that they copy this label's texts.
void TZpRunSources::Update(bool prompts) {
    UpdateDataSources(FObjects, prompts ? TZpDataPass::All : TZpDataPass::AllButPrompts);
}

void TZpRunSources::RunScripts(const QString& function) {
    for (const TZpRunSource& s : FItems) {
        if (!s.Script || !s.Script->GetEnabled())
            continue;
        s.Data->SetText(s.Script->Run(function, s.Data->GetText()));
        if (s.Callback)
            s.Callback->DataChanged();
    }
}

void TZpRunSources::LabelDone() {
    FLastSerials.resize(FItems.size());
    for (size_t i = 0; i < FItems.size(); ++i)
        FLastSerials[i] = FItems[i].Data->GetSerialValue();
}

void TZpRunSources::ClosingStep(bool updateSerials) {
    for (size_t i = 0; i < FItems.size(); ++i) {
        const TZpRunSource& s = FItems[i];
        if (s.Data->GetKind() == dkPrompt) {
            s.Data->SetText(kPromptText);
            s.Data->SetPromptRemaining(0);
            if (s.Callback)
                s.Callback->DataChanged();
        } else if (updateSerials && s.Data->GetKind() == dkSerialNumber) {
            // The value of the last label plus one, whatever the increment.
            const int32_t last = i < FLastSerials.size() ? FLastSerials[i] : s.Data->GetSerialValue();
            s.Data->SetSerialStart(int32_t(int64_t(last) + 1));
        }
    }
}

} // namespace zp
