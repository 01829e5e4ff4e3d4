// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"
#include "files/FileTestSupport.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace zp::test {

/// Writes 2.x labels field by field at the offsets of their blocks.
class TLegacyBuilder {
public:
    TLegacyBuilder() {
        Put(FFile, 0, QByteArray("Zentaprint 2.0 DATA"));
        FFile.resize(1368 + 95 + 24 + 64, '\0');
    }
    static void Put(QByteArray& b, int at, const QByteArray& bytes) {
        if (b.size() < at + bytes.size())
            b.resize(at + bytes.size(), '\0');
        b.replace(at, bytes.size(), bytes);
    }
    static QByteArray I32(int32_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); }
    static QByteArray I16(int16_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); }
    static QByteArray B(uint8_t v) { return QByteArray(1, char(v)); }
    void Header(int at, const QByteArray& bytes) { Put(FFile, at, bytes); }
    void Layout(int at, const QByteArray& bytes) { Put(FFile, kLayout + at, bytes); }
    /// A merge block naming the file and its type (0 dBase, 1 and 2 text
    /// without and with a header line, 3 DIF).
    void MergeFile(const QString& path, int16_t type) {
        Merge = QByteArray(135, '\0');
        Put(Merge, 0, path.toLocal8Bit().left(131));
        Put(Merge, 132, I16(type));
    }
    /// One label of 4 x 2 inches on a page of its own size, so that a print
    /// run of one label is one page.
    void OneLabelPage() {
        Layout(0, I32(4 * 1440) + I32(2 * 1440));
        Layout(25, B(1));
        Layout(26, I32(4 * 1440) + I32(2 * 1440));
        Layout(42, B(1));
        Layout(43, I32(1) + I32(1));
    }

    QByteArray Guides; ///< pairs of int32
    QByteArray Merge;  ///< empty: no merge block
    QByteArray Printer{154, '\0'};
    QByteArray Records;

    [[nodiscard]] QByteArray Bytes() const {
        QByteArray out = FFile;
        out += I16(int16_t(Guides.size() / 8)) + Guides + QByteArray(4, '\0');
        out += B(Merge.isEmpty() ? 0 : 1);
        if (!Merge.isEmpty())
            out += Merge + QByteArray(32, '\0');
        out += Printer + QByteArray(12 + 12, '\0');
        return out + Records;
    }

private:
    static constexpr int kLayout = 1368;
    QByteArray FFile;
};

/// A record of the type with its object number and rectangle in twips.
inline QByteArray Record(int size, uint8_t type, int32_t number, TRect r) {
    using B = TLegacyBuilder;
    QByteArray b(size, '\0');
    B::Put(b, 0, B::B(type));
    B::Put(b, 1, B::I32(number));
    B::Put(b, 5, B::I32(r.Left) + B::I32(r.Top) + B::I32(r.Right) + B::I32(r.Bottom));
    return b;
}

/// The 32 bytes that follow every record.
inline QByteArray Trailer() {
    return QByteArray(32, '\0');
}

/// A text record (2 x 1 inch, Arial 12 point bold, left aligned, line
/// spacing 288 twips) of the data kind; without a formatted-text block
/// unless one is put after it with Formatted().
inline QByteArray TextRecord(int32_t number, const QByteArray& name, uint8_t kind) {
    using B = TLegacyBuilder;
    QByteArray t = Record(253, 1, number, {0, 0, 2880, 1440});
    B::Put(t, 33, B::B(kind) + B::B(1));
    B::Put(t, 43, B::I16(288) + B::I16(240));
    B::Put(t, 53, B::I16(700));
    B::Put(t, 63, QByteArray("Arial"));
    B::Put(t, 234, name);
    B::Put(t, 250, B::B(1));
    return t;
}

/// One line of a formatted-text block.
struct TLegacyLine {
    QByteArray Bytes;
    uint16_t Spacing = 240;
    uint8_t Terminator = 13;
};

/// A text record's trailer and the formatted-text block of the lines; the
/// record must have 0 at offset 250.
inline QByteArray Formatted(const std::vector<TLegacyLine>& lines) {
    using B = TLegacyBuilder;
    QByteArray content;
    for (const TLegacyLine& line : lines)
        content += B::I16(int16_t(line.Bytes.size())) + B::I16(0) + B::I16(int16_t(line.Spacing)) +
                   B::B(line.Terminator) + QByteArray(3, '\0') + line.Bytes;
    return Trailer() + QByteArray(4, '\0') + B::I16(int16_t(content.size())) + QByteArray(16, '\0') + content;
}

/// A bar code record (2 x 1 inch) of the 2.x symbology with its data.
inline QByteArray BarcodeRecord(int32_t number, const QByteArray& name, uint8_t kind, uint8_t symbology,
                                const QByteArray& data) {
    using B = TLegacyBuilder;
    QByteArray bc = Record(329, 8, number, {0, 0, 2880, 1440});
    B::Put(bc, 33, B::B(kind));
    B::Put(bc, 45, B::I16(200));
    B::Put(bc, 63, QByteArray("Arial"));
    B::Put(bc, 126, name);
    B::Put(bc, 143, data);
    B::Put(bc, 204, B::B(symbology) + B::B(2) + B::B(0) + B::B(1));
    B::Put(bc, 208, B::I16(20) + B::I16(720));
    return bc;
}

/// Puts the rectangle (twips) into a record.
inline void SetRect(QByteArray& record, TRect r) {
    using B = TLegacyBuilder;
    B::Put(record, 5, B::I32(r.Left) + B::I32(r.Top) + B::I32(r.Right) + B::I32(r.Bottom));
}

/// Every object kind and data kind on one label of 4 x 2 inches, made for a
/// printer of 300 dots per inch, whose merge file is a dBase table:
/// six shapes, five texts, four bar codes and three pictures in this order,
/// laid out in rows that do not overlap.
inline QByteArray EveryKindLabel(const QString& mergeFile) {
    using B = TLegacyBuilder;
    B f;
    f.OneLabelPage();
    f.Printer.replace(150, 2, B::I16(300));
    f.MergeFile(mergeFile, 0);
    QByteArray records;
    int32_t left = 60;
    for (const uint8_t type : {2, 3, 4, 5, 6, 10}) {
        QByteArray s = Record(54, type, 0, {left, 1100, left + 800, 1400});
        B::Put(s, 25, B::I16(20));
        B::Put(s, 29, B::B(type == 10 ? 0x80 | 5 : 1));
        B::Put(s, 46, B::I32(0x00C0C0C0));
        records += s + Trailer();
        left += 960;
    }
    const auto text = [](int32_t number, const QByteArray& name, uint8_t kind, TRect r) {
        QByteArray t = TextRecord(number, name, kind);
        SetRect(t, r);
        B::Put(t, 108, B::I32(0x00FFFFFF));
        return t;
    };
    QByteArray title = text(1, "Title", 0, {0, 0, 2160, 720});
    B::Put(title, 250, B::B(0));
    records += title + Formatted({{QByteArray("Stock \x01Ilist", 12), 288}});
    QByteArray link = text(2, "Copy", 1, {2160, 0, 4320, 720});
    B::Put(link, 27, B::I32(1));
    records += link + Trailer();
    QByteArray merged = text(3, "Name", 2, {0, 720, 1920, 1080});
    B::Put(merged, 27, B::I32(2));
    records += merged + Trailer();
    records += text(4, "Batch", 3, {1920, 720, 3840, 1080}) + Trailer();
    QByteArray serial = text(5, "Serial", 4, {3840, 720, 5700, 1080});
    B::Put(serial, 159, B::B(4) + B::B(1));
    B::Put(serial, 172, QByteArray("7"));
    records += serial + Trailer();
    const auto barcode = [](int32_t number, const QByteArray& name, uint8_t kind, uint8_t symbology,
                            TRect r) {
        QByteArray bc = BarcodeRecord(number, name, kind, symbology, "");
        SetRect(bc, r);
        B::Put(bc, 205, B::B(2) + B::B(0) + B::B(1));
        B::Put(bc, 210, B::I16(400));
        return bc;
    };
    QByteArray code = barcode(6, "Code", 2, 9, {60, 1440, 2880, 2160});
    B::Put(code, 27, B::I32(1));
    records += code + Trailer();
    QByteArray counter = barcode(7, "Counter", 4, 0, {2940, 1440, 4700, 2160});
    B::Put(counter, 205, B::B(1)); // narrow bars, so that the long Code 39 fits
    B::Put(counter, 252, QByteArray("LOT000000001"));
    records += counter + Trailer();
    QByteArray again = barcode(8, "Again", 1, 9, {60, 2160, 2820, 2820});
    B::Put(again, 27, B::I32(6));
    records += again + Trailer();
    // Without data yet the prompt's symbol takes its placeholder width.
    records += barcode(9, "Ask", 3, 9, {2820, 2160, 4320, 2820}) + Trailer();
    const QByteArray bitmap = SmallBitmap();
    QByteArray picture = Record(127, 9, 10, {4860, 1440, 5580, 2160});
    B::Put(picture, 108, QByteArray("Logo"));
    records += picture + B::I32(int32_t(bitmap.size())) + bitmap + Trailer();
    QByteArray pictureLink = Record(127, 9, 11, {5040, 0, 5700, 720});
    B::Put(pictureLink, 27, B::I32(10));
    B::Put(pictureLink, 33, B::B(1));
    records += pictureLink + Trailer();
    QByteArray pictureMerge = Record(127, 9, 12, {4320, 0, 5040, 720});
    B::Put(pictureMerge, 27, B::I32(2));
    B::Put(pictureMerge, 33, B::B(2));
    records += pictureMerge + Trailer();
    f.Records = records;
    return f.Bytes();
}

} // namespace zp::test
