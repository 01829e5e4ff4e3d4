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
    /// Answers the links of the label's sources from its own objects.
    TZpLabelDocument();
    TZpLabelDocument(const TZpLabelDocument&) = delete;
    TZpLabelDocument& operator=(const TZpLabelDocument&) = delete;

    [[nodiscard]] TZpObjectList& Objects() { return FObjects; }
    [[nodiscard]] const TZpObjectList& Objects() const { return FObjects; }
    [[nodiscard]] TLabelProperties& Layout() { return FLayout; }
    [[nodiscard]] const TLabelProperties& Layout() const { return FLayout; }
    [[nodiscard]] TZpIDEProperties& Environment() { return FEnvironment; }
    [[nodiscard]] const TZpIDEProperties& Environment() const { return FEnvironment; }
    [[nodiscard]] TZpPrintInfo& PrintInfo() { return FEnvironment.PrintInfo(); }
    [[nodiscard]] TZpDataConnections& Connections() { return FEnvironment.Connections(); }

    [[nodiscard]] const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& name) { FFileName = name; }
    [[nodiscard]] bool Modified() const { return FModified; }
    void SetModified(bool modified) { FModified = modified; }

    /// Appends the object and gives its data source the label's connections.
    void Add(TZpObjectPtr object);
    /// A new label: no objects, the environment reset, description cleared
    /// and connections closed; the layout stays.
    void Clear();
    /// The work that follows a file load: the connections given to every
    /// data source, database fields evaluated and links resolved, the label
    /// re-expressed in LabelDPI, the file name recorded, the modified flag
    /// cleared.
    void AfterLoad(const QString& fileName);

    /// Re-evaluates every data source except prompts (links last).
    void RefreshDataValues();
    // Record moves of the data commands, the command line and automation.
    // Each ends with RefreshDataValues; a move that cannot be made changes
    // nothing and answers false.
    /// The first record; serial numbering starts again.
    void DataFirst();
    /// One record on, serial numbering one step on.
    bool DataNext();
    /// One record back, serial numbering one step back.
    bool DataPrior();
    /// Steps on, with the serial numbering, until the last record.
    void DataLast();
    /// Reads the current record again and re-evaluates the database fields
    /// and the links.
    void DataRefresh();

private:
    TZpObjectList FObjects;
    TLabelProperties FLayout;
    TZpIDEProperties FEnvironment;
    QString FFileName;
    bool FModified = false;
};

} // namespace zp
