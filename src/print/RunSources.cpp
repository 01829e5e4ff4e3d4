// SPDX-License-Identifier: MIT
#include "print/RunSources.h"

#include "data/DataConnections.h"
#include "model/base/Errors.h"
#include "model/data/ZpData.h"
#include "model/script/ZpScript.h"
#include "platform/dialogs/DialogServices.h"

namespace zp {

namespace {

const QString kPromptText = QStringLiteral("PROMPT");

bool TakesPart(const IZpData& data, bool prompts) { return prompts || data.GetKind() != dkPrompt; }

// The data source's own steps. They stand here, small, until the data
// sources carry them; the run calls nothing else of a source.
void ResetSerial(IZpData& data) {
    if (data.GetKind() == dkSerialNumber)
        data.SetSerialValue(data.GetSerialStart());
}

void NextSerial(IZpData& data) {
    if (data.GetKind() == dkSerialNumber)
        data.SetSerialValue(int32_t(int64_t(data.GetSerialValue()) + data.GetSerialIncrement()));
}

void UpdateText(IZpData& data) {
    switch (data.GetKind()) {
    case dkDatabaseField: {
        const TZpDataConnections* connections = data.GetConnections();
        QString text;
        for (int i = 0; i < data.GetFieldCount(); ++i) {
            const TZpFieldDef* f = data.GetField(i);
            text += f->Prefix;
            if (connections)
                text += connections->FieldValue(f->Dataset, f->Field);
            text += f->Suffix;
            if (f->AddLineBreak)
                text += QStringLiteral("\r\n");
        }
        data.SetText(text);
        break;
    }
    case dkSerialNumber:
        data.SetText(data.GetSerialPrefix() + QString::number(data.GetSerialValue()) + data.GetSerialSuffix());
        break;
    case dkPrompt:
        // An answer serves every label of the run.
        if (data.GetPromptRemaining() == 0) {
            const std::optional<QString> answer = ZpDialogs().Prompt(data.GetPromptCaption(), data.GetText());
            if (!answer)
                throw EZpAbort();
            data.SetText(*answer);
            data.SetPromptRemaining(-1);
        }
        data.SetPromptRemaining(data.GetPromptRemaining() - 1);
        break;
    default: break;
    }
}

// Until the script host runs object scripts, a function hands its argument back.
QString RunScript(IZpScript&, const QString&, const QString& argument) { return argument; }

} // namespace

TZpRunSources::TZpRunSources(const TZpObjectList& objects) {
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
            ResetSerial(*s.Data);
}

void TZpRunSources::NextSerials(bool prompts) {
    for (const TZpRunSource& s : FItems)
        if (TakesPart(*s.Data, prompts))
            NextSerial(*s.Data);
}

void TZpRunSources::Update(bool prompts) {
    for (const TZpRunSource& s : FItems) {
        if (!TakesPart(*s.Data, prompts))
            continue;
        UpdateText(*s.Data);
        if (s.Callback)
            s.Callback->DataChanged();
    }
}

void TZpRunSources::RunScripts(const QString& function) {
    for (const TZpRunSource& s : FItems) {
        if (!s.Script || !s.Script->GetEnabled())
            continue;
        s.Data->SetText(RunScript(*s.Script, function, s.Data->GetText()));
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
