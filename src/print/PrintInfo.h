// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>
#include <limits>

namespace zp {

/// The print-job parameters of one label: filled by the print dialog, the
/// command line and the automation object; never stored in label files.
/// Every field starts as zero, false or empty.
struct TZpPrintInfo {
    int32_t StartLabel = 0;
    uint8_t Direction = 0; ///< 0 left to right, 1 top to bottom
    int32_t TotalLabels = 0;
    int32_t Copies = 0;
    bool CopiesFromField = false;
    QString CopiesDataset;
    QString CopiesField;
    bool MarkedOnly = false;
    bool UnmarkedOnly = false;
    bool AllRecords = false;
    bool CurrentRecordOnly = false;
    bool UpdateSerials = false;
    int32_t FromPage = 0;
    int32_t ToPage = 0;
};

} // namespace zp
