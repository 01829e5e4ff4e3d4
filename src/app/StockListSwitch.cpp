// SPDX-License-Identifier: MIT
#include "app/StockListSwitch.h"

#include "model/stock/StockFolders.h"
#include "model/stock/StockListConversion.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

namespace zp {

std::optional<int> RunStockListSwitch(int argc, char** argv) {
    static const char kSwitch[] = "--convert-stock-list=";
    const char* csv = nullptr;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kSwitch, sizeof kSwitch - 1) == 0)
            csv = argv[i] + sizeof kSwitch - 1;
    if (!csv)
        return std::nullopt;

    QCoreApplication app(argc, argv);
    TZpLabelCatalogue catalogue;
    const TZpStockListResult result =
        ConvertStockList(QString::fromLocal8Bit(csv), UserStockFolder(), catalogue);
    for (const QString& file : result.Files)
        std::printf("%s\n", file.toLocal8Bit().constData());
    if (!result.Error.isEmpty()) {
        std::fprintf(stderr, "zentaprint: %s\n", result.Error.toLocal8Bit().constData());
        return 1;
    }
    std::printf("Files converted and saved!\n");
    return 0;
}

} // namespace zp
