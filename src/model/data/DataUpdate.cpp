// SPDX-License-Identifier: MIT
// Text production and serial stepping of a data source.
#include "base/Errors.h"
#include "data/DataConnections.h"
#include "model/data/DataText.h"
#include "model/data/DateFormat.h"
#include "model/data/ZpData.h"
#include "model/script/ZpScript.h"
#include "platform/dialogs/DialogServices.h"

#include <algorithm>
#include <limits>

namespace zp {

namespace {

const QString kDataUpdated = QStringLiteral("DataUpdated");
const QString kLineBreak = QStringLiteral("\r\n");

// Serial numbers wrap around as 32-bit two's complement.
int32_t WrappingAdd(int32_t a, int32_t b) {
    return int32_t(uint32_t(a) + uint32_t(b));
}
int32_t WrappingSub(int32_t a, int32_t b) {
    return int32_t(uint32_t(a) - uint32_t(b));
}

} // namespace

void TZpData::ResetSerial() {
    FSerialValue = FSerialStart;
    FRepeatCounter = 1;
}

void TZpData::NextSerial() {
    if (FRepeatCounter < FRepeatCount) {
        ++FRepeatCounter;
    } else {
        FSerialValue = WrappingAdd(FSerialValue, FSerialIncrement);
        FRepeatCounter = 1;
    }
}

// A repeat count of 0 (or a negative one from a file) behaves as 1, so the
// counter returns to 1 and the next step forward advances again.
void TZpData::PreviousSerial() {
    if (FRepeatCounter > 1) {
        --FRepeatCounter;
    } else {
        FSerialValue = WrappingSub(FSerialValue, FSerialIncrement);
        FRepeatCounter = std::max(FRepeatCount, 1);
    }
}

void TZpData::UpdateDatabaseFields() {
    FText.clear();
    for (const auto& entry : FFields) {
        const QString value =
            FConnections ? FConnections->FieldValue(entry->Dataset, entry->Field) : QString();
        if (value.isEmpty())
            continue;
        // The escapes apply to everything built so far, each time.
        FText = ExpandBarcodeEscapes(FText + entry->Prefix + StripFieldValue(value, *entry) + entry->Suffix);
        if (entry->AddLineBreak)
            FText += kLineBreak;
    }
}

// A count of n serves n labels; "all labels" (-1) never asks again in the run.
void TZpData::UpdatePrompt() {
    if (FPromptRemaining == 0) {
        TPromptData prompt{FPromptCaption, QString(), 1};
        if (!ZpDialogs().Prompt(prompt))
            throw EZpAbort();
        FText = prompt.Value;
        FPromptRemaining = prompt.Count < 0 ? -1 : std::max(prompt.Count, 1);
    }
    if (FPromptRemaining > std::numeric_limits<int32_t>::min())
        --FPromptRemaining;
}

void TZpData::Update() {
    switch (FKind) {
    case dkDatabaseField:
        UpdateDatabaseFields();
        break;
    case dkPrompt:
        UpdatePrompt();
        break;
    case dkDateTime: {
        const QDateTime now = AdjustDateTime(QDateTime::currentDateTime(), FDateAdjust, FDateAdjustUnit);
        FText = FormatDateTime(FDateFormat, now);
        break;
    }
    case dkSerialNumber:
        FText = FSerialPrefix + PaddedSerial(FSerialValue, FPadChar, FPadWidth) + FSerialSuffix;
        break;
    case dkLink:
        // The label resolves the name; an unknown name leaves the text as it is.
        if (FConnections)
            FConnections->GetLinkValue(FLinkName, FText);
        break;
    default:
        break; // static text stays as it is
    }
    if (auto* script = Supports<IZpScript>(FOwner); script && script->GetEnabled())
        FText = script->Run(kDataUpdated, FText);
    if (auto* callback = Supports<IZpDataCallback>(FOwner))
        callback->DataChanged();
}

} // namespace zp
