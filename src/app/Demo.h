// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace zp {

class TZpLabelDocument;

/// The sample product label: a frame, the product's name, item number, stock
/// and price as text and an EAN-13 bar code, bound to the dataset
/// "Products" of the connection "Sample" (the database "sample.db" beside
/// the label), on a sheet of 30 labels (3 x 10, US Letter), at 300 label
/// pixels per inch. The shipped
/// sample label file is this label; the demo prints it from the command line.
void BuildSampleLabel(TZpLabelDocument& document);

} // namespace zp
