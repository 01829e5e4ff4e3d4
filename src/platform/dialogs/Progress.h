// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zp {

/// The two progress windows of printing.
enum class TZpProgressKind {
    GeneratingLabels, ///< "Generating Labels": two lines and "Abort" (which asks first)
    CheckingBarCodes, ///< "Checking Bar Codes": a progress bar with a caption and "&Abort"
};

/// A progress window for the length of one run; destroying it closes the
/// window. Every update lets the application handle its pending events, so
/// that the abort button can be pressed while the run goes on.
class IZpProgress {
public:
    virtual ~IZpProgress() = default;
    /// Sets the two text lines; the window shows at its first update.
    virtual void Update(const QString& line1, const QString& line2) = 0;
    /// Work done of the work expected (total 0 when unknown), with a caption
    /// (the checking window shows it above its bar).
    virtual void SetPosition(int position, int total, const QString& caption) = 0;
    /// Whether the user pressed the abort button (and confirmed, where asked).
    [[nodiscard]] virtual bool Cancelled() const = 0;
    /// Forgets an abort request, so the run goes on.
    virtual void ClearCancel() = 0;
};

/// A progress that shows nothing and is never cancelled.
class TZpQuietProgress : public IZpProgress {
public:
    void Update(const QString&, const QString&) override {}
    void SetPosition(int, int, const QString&) override {}
    [[nodiscard]] bool Cancelled() const override { return false; }
    void ClearCancel() override {}
};

/// The texts of the windows.
namespace progress_texts {
inline const char* const kGeneratingCaption = "Generating Labels";
inline const char* const kGeneratingPages = "Generating Pages...";
inline const char* const kPageNumber = "Page %1";
inline const char* const kAbortQuestion = "Are you sure you want to cancel this print job?";
inline const char* const kCheckingCaption = "Checking Bar Codes";
inline const char* const kCheckingText = "Checking bar codes for errors...";
} // namespace progress_texts

} // namespace zp
