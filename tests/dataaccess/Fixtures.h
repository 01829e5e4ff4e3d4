// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

namespace zp::test {

/// The products table every engine reads: Code, Name, Qty.
struct TProduct {
    const char* Code;
    const char* Name;
    int Qty;
};
inline const std::vector<TProduct> kProducts = {
    {"4006381333931", "Stabilo pen", 12},
    {"5012345678900", "Blue mug", 5},
    {"0012345678905", "Red Mug", 0},
};

/// Creates the products table in an open database with the given statement
/// (column names and types as the server spells them) and fills it.
void FillProducts(QSqlDatabase& db, const QString& createTable);

/// A dBase III table of the products (Code C(13), Name C(20), Qty N(4,0)).
[[nodiscard]] QByteArray ProductsDbf();

/// Copies a folder of tests/data into dest.
void CopyFixtureFolder(const QString& name, const QString& dest);

/// Empty when Qt's ODBC driver is installed and unixODBC knows the named
/// driver, else why the driver cannot be used.
[[nodiscard]] QString MissingOdbcDriver(const QString& driver);

} // namespace zp::test
