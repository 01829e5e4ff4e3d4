// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace zp {

class TZpLabelDocument;

/// The sample product label: a frame, a mark, a rule and an EAN-13 bar code
/// bound to the field EAN13 of the dataset "Products" of the connection
/// "Sample", on a sheet of 30 labels (3 x 10, US Letter), at 300 label
/// pixels per inch. The shipped sample label file is this label.
void BuildSampleLabel(TZpLabelDocument& document);

/// The demo job (arguments: sample folder, output folder): opens the
/// shipped sample label and the sample database, prints one label per
/// product through the built-in PDF device into the output folder, renders
/// the first label into a PNG beside it, and says what it wrote. Returns the
/// exit code.
int RunDemo(const QStringList& arguments);

} // namespace zp
