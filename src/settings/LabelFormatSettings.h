// SPDX-License-Identifier: MIT
#pragma once

namespace zp {

class TLabelProperties;
class TZpSettingsStore;

/// The default label format of the store's "Label Properties" section: the
/// layout the first label starts from. Missing values take their defaults
/// (an 8.5 x 11 inch page of 2 x 5 rounded 4 x 2 inch labels); fields the
/// section does not hold are left as they are.
void ReadDefaultLabelFormat(const TZpSettingsStore& store, TLabelProperties& layout);
/// Stores the layout as the default label format.
void WriteDefaultLabelFormat(TZpSettingsStore& store, const TLabelProperties& layout);

} // namespace zp
