// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace zp {

class TZpLabelDocument;

/// Fills the document with the sample shipping label made of shapes.
void BuildSampleLabel(TZpLabelDocument& document);

/// The demo job: renders the sample label at 300 dots per inch into a PNG in
/// the folder given (arguments: sample folder, output folder) and prints
/// where it wrote it. Returns the exit code.
int RunDemo(const QStringList& arguments);

} // namespace zp
