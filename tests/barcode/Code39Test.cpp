// SPDX-License-Identifier: MIT
#include "barcode/Barcode.h"
#include "barcode/BarcodeFamily.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

TBarcodeOptions Code39(bool checkDigit = false) {
    TBarcodeOptions o;
    o.Symbology = bcCode39;
    o.CheckDigit = checkDigit;
    return o;
}

TEST(Code39, CheckCharacterIsMod43OfTheValues) {
    const TBarcodeFamily& family = BarcodeFamily(bcCode39);
    EXPECT_EQ(family.CheckCharacters("ABC", Code39(true)), "X"); // 10 + 11 + 12 = 33
    EXPECT_EQ(family.CheckCharacters("12345", Code39(true)), "F");
}

} // namespace
} // namespace zp
