// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"

#include <QString>
#include <vector>

namespace zp {

class IZpData;
class IZpDataCallback;
class IZpPaint;
class IZpScript;

/// One object of a run that has a data source, with the interfaces the run
/// calls on it, looked up once per run rather than once per label.
struct TZpRunSource {
    TZpObject* Object = nullptr;
    IZpData* Data = nullptr;
    IZpDataCallback* Callback = nullptr; ///< null when the object does not listen
    IZpScript* Script = nullptr;         ///< null when the object has no script
};

/// What a run does to the label's data sources: serial stepping, refreshing
/// their text, the print-time scripts and the closing step. Prompt sources
/// take part or not as the run says (the preview asks nothing).
class TZpRunSources {
public:
    explicit TZpRunSources(const TZpObjectList& objects);

    [[nodiscard]] const std::vector<TZpRunSource>& Items() const { return FItems; }
    /// The objects that draw in a run: printable and able to paint, in list order.
    [[nodiscard]] static std::vector<IZpPaint*> PrintableObjects(const TZpObjectList& objects);

    /// Every source returns its serial number to the start value.
    void ResetSerials(bool prompts);
    /// Every source steps its serial number.
    void NextSerials(bool prompts);
    /// Every source produces its text for the current record; a prompt whose
    /// question the user cancels ends the run silently (EZpAbort).
    void Update(bool prompts);
    /// For each object with a data source and an active script: the named
    /// function gets the source's text and its result becomes the text.
    void RunScripts(const QString& function);
    /// Notes the serial values of the label just produced.
    void LabelDone();
    /// After a run: prompts reset to "PROMPT" so the next run asks again,
    /// and with updateSerials the serial start values move one past the value
    /// of the last label produced (a run that ends at the end of its page
    /// range has stepped once more, to a label it never made).
    void ClosingStep(bool updateSerials);

private:
    TZpObjectList FObjects;
    std::vector<TZpRunSource> FItems;
    std::vector<int32_t> FLastSerials;
};

} // namespace zp
