-- SPDX-License-Identifier: MIT
-- The sample desktop database: sqlite3 sample.db < sample.sql
CREATE TABLE Addresses (
    CustomerNo TEXT PRIMARY KEY,
    Name TEXT,
    Street TEXT,
    City TEXT,
    PostCode TEXT,
    Country TEXT
);
INSERT INTO Addresses VALUES
    ('C1001', 'Harbour Tools Ltd', '12 Quay Street', 'Portsmouth', 'PO1 3AX', 'United Kingdom'),
    ('C1002', 'Anna Lindqvist', 'Storgatan 8', 'Uppsala', '753 20', 'Sweden'),
    ('C1003', 'Müller & Söhne GmbH', 'Lindenweg 41', 'Bremen', '28195', 'Germany'),
    ('C1004', 'Pine Ridge Orchards', '905 Valley Road', 'Wenatchee, WA', '98801', 'United States'),
    ('C1005', 'Café Rouge', '3 rue des Lilas', 'Lyon', '69003', 'France'),
    ('C1006', 'Northwind Marine', '77 Dock Lane', 'Aberdeen', 'AB11 5BN', 'United Kingdom');
CREATE TABLE Products (
    SKU TEXT PRIMARY KEY,
    EAN13 TEXT,
    Description TEXT,
    Price REAL,
    Stock INTEGER
);
INSERT INTO Products VALUES
    ('P-100', '4006381333931', 'Ballpoint pen, blue', 1.25, 480),
    ('P-101', '5012345678900', 'Coffee mug, 300 ml', 6.5, 72),
    ('P-102', '0012345678905', 'Notebook A5, ruled', 3.9, 150),
    ('P-103', '9780201379624', 'Pocket guide to knots', 12.0, 18),
    ('P-104', '4902030283513', 'Desk lamp, LED', 29.95, 9),
    ('P-105', '7622210449283', 'Label roll 50 x 25 mm', 8.4, 240);
