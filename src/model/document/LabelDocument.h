// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"
#include "model/layout/LabelRoutines.h"

#include <QString>

namespace zp {

/// The label being edited or printed: the objects in drawing order, the
/// layout and editing-environment properties (with the data connections and
/// print-job parameters), the file name and the modified flag. The design
/// area shows one; the command line and automation reach the same one.
class TZpLabelDocument {
public:
    TZpLabelDocument();

    [[nodiscard]] TZpObjectList& Objects() { return FObjects; }
    [[nodiscard]] const TZpObjectList& Objects() const { return FObjects; }
    [[nodiscard]] TLabelProperties& Layout() { return FLayout; }
    [[nodiscard]] const TLabelProperties& Layout() const { return FLayout; }
    [[nodiscard]] TZpIDEProperties& Environment() { return FEnvironment; }
    [[nodiscard]] const TZpIDEProperties& Environment() const { return FEnvironment; }
    [[nodiscard]] TZpPrintInfo& PrintInfo() { return FEnvironment.PrintInfo(); }

    [[nodiscard]] const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& name) { FFileName = name; }
    [[nodiscard]] bool Modified() const { return FModified; }
    void SetModified(bool modified) { FModified = modified; }

    void Add(TZpObjectPtr object);
    /// A new label: no objects, the environment reset, description cleared
    /// and connections closed; the layout stays.
    void Clear();
    /// The work that follows a file load: the label re-expressed in LabelDPI,
    /// the file name recorded, the modified flag cleared.
    void AfterLoad(const QString& fileName);

private:
    TZpObjectList FObjects;
    TLabelProperties FLayout;
    TZpIDEProperties FEnvironment;
    QString FFileName;
    bool FModified = false;
};

} // namespace zp
