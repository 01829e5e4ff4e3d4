// SPDX-License-Identifier: MIT
#include "app/StartUp.h"
#include "app/StockListSwitch.h"

int main(int argc, char** argv) {
    if (const auto exitCode = zp::RunStockListSwitch(argc, argv))
        return *exitCode;
    return zp::RunApplication(argc, argv);
}
