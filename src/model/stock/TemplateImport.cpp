// SPDX-License-Identifier: MIT
#include "model/stock/TemplateImport.h"

#include "model/stock/StockCheck.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSet>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

namespace zp {

Q_LOGGING_CATEGORY(lcTemplates, "zentaprint.stock.templates")

namespace {

struct TPaper {
    QString Name;
    double Width = 0, Height = 0;
};
using TPapers = QHash<QString, TPaper>;

/// One template as read, before its equivalents are resolved.
struct TTemplate {
    QString Brand, Part, Equiv;
    std::optional<TLabelProperties> Layout; ///< none for a skipped shape
    QString Skipped;                        ///< why, when there is no layout
    bool Noted = false;                     ///< skipped for a fault worth a note
};

QStringList& FolderOverride() {
    static QStringList folders;
    return folders;
}

/// A length with its unit ("pt" when none) in inches, or none.
std::optional<double> Inches(const QString& text) {
    static const std::pair<const char*, double> kUnits[] = {
        {"pt", 72.0}, {"in", 1.0}, {"mm", 25.4}, {"cm", 2.54}};
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (const auto& [unit, perInch] : kUnits) {
        if (t.endsWith(QLatin1String(unit))) {
            bool ok = false;
            const double v = t.chopped(2).trimmed().toDouble(&ok);
            return ok ? std::optional<double>(v / perInch) : std::nullopt;
        }
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? std::optional<double>(v / 72.0) : std::nullopt;
}

class TTemplateParser {
public:
    TTemplateParser(QXmlStreamReader& xml, const TPapers& papers) : FXml(xml), FPapers(papers) {}

    TTemplate Read() {
        const QXmlStreamAttributes a = FXml.attributes();
        TTemplate t;
        t.Brand = a.value(QLatin1String("brand")).toString();
        t.Part = a.value(QLatin1String("part")).toString();
        if (t.Brand.isEmpty()) { // the older single "name" attribute: "Brand Part"
            const QString name = a.value(QLatin1String("name")).toString();
            t.Brand = name.section(QLatin1Char(' '), 0, 0);
            t.Part = name.section(QLatin1Char(' '), 1);
        }
        t.Equiv = a.value(QLatin1String("equiv")).toString();
        QString description = a.value(QLatin1String("_description")).toString();
        if (description.isEmpty())
            description = a.value(QLatin1String("description")).toString();
        TLabelProperties l;
        l.Manufacturer = t.Brand;
        l.Product = t.Part;
        l.Category = description.isEmpty() ? QStringLiteral("Labels") : description;
        l.LabelType = l.Category;
        const QString size = a.value(QLatin1String("size")).toString();
        if (FPapers.contains(size)) {
            const TPaper& paper = FPapers[size];
            l.PageType = paper.Name;
            l.PageWidth = float(paper.Width);
            l.PageHeight = float(paper.Height);
        } else {
            l.PageType = size;
            l.PageWidth = float(Inches(a.value(QLatin1String("width")).toString()).value_or(0));
            l.PageHeight = float(Inches(a.value(QLatin1String("height")).toString()).value_or(0));
        }
        l.PageOrientation = l.PageWidth > l.PageHeight ? 1 : 0;

        int shapes = 0, layouts = 0;
        QString other;
        while (FXml.readNextStartElement()) {
            const QString name = FXml.name().toString();
            if (name.startsWith(QLatin1String("Label-"))) {
                ++shapes;
                if (!ReadShape(name, l, layouts))
                    other = name;
            } else {
                FXml.skipCurrentElement();
            }
        }
        if (!t.Equiv.isEmpty())
            return t;
        if (!other.isEmpty())
            t.Skipped = QStringLiteral("shape %1").arg(other);
        else if (FBadUnit)
            t.Skipped = QStringLiteral("a length in an unknown unit"), t.Noted = true;
        else if (shapes != 1 || layouts != 1)
            t.Skipped = QStringLiteral("not one label shape in one grid");
        else
            t.Layout = l;
        return t;
    }

private:
    double Length(const QXmlStreamAttributes& a, const char* name) {
        const QString text = a.value(QLatin1String(name)).toString();
        if (text.isEmpty())
            return 0;
        const std::optional<double> v = Inches(text);
        if (!v)
            FBadLength = true;
        return v.value_or(0);
    }

    /// Reads a Label-* element; false for a shape that is not taken.
    bool ReadShape(const QString& name, TLabelProperties& l, int& layouts) {
        const QXmlStreamAttributes a = FXml.attributes();
        FBadLength = false;
        if (name == QLatin1String("Label-rectangle")) {
            l.Width = float(Length(a, "width"));
            l.Height = float(Length(a, "height"));
            const double corner = 2 * Length(a, "round");
            l.LabelShape = corner > 0 ? lsRoundRect : lsRectangle;
            l.EllipseWidth = l.EllipseHeight = float(corner);
        } else if (name == QLatin1String("Label-round")) {
            l.Width = l.Height = float(2 * Length(a, "radius"));
            l.LabelShape = lsEllipse;
        } else if (name == QLatin1String("Label-ellipse")) {
            l.Width = float(Length(a, "width"));
            l.Height = float(Length(a, "height"));
            l.LabelShape = lsEllipse;
        } else {
            FXml.skipCurrentElement();
            return false;
        }
        while (FXml.readNextStartElement()) {
            if (FXml.name() == QLatin1String("Layout")) {
                ++layouts;
                const QXmlStreamAttributes g = FXml.attributes();
                l.Columns = g.value(QLatin1String("nx")).toInt();
                l.Rows = g.value(QLatin1String("ny")).toInt();
                l.LeftMargin = float(Length(g, "x0"));
                l.TopMargin = float(Length(g, "y0"));
                // A single column or row may leave its pitch out.
                const double dx = Length(g, "dx"), dy = Length(g, "dy");
                l.HorizontalPitch = float(dx > 0 ? dx : l.Width);
                l.VerticalPitch = float(dy > 0 ? dy : l.Height);
            }
            FXml.skipCurrentElement();
        }
        if (FBadLength)
            FBadUnit = true;
        return true;
    }

    QXmlStreamReader& FXml;
    const TPapers& FPapers;
    bool FBadLength = false;
    bool FBadUnit = false;
};

TPapers ReadPapers(const QString& folder) {
    TPapers papers{{QStringLiteral("A4"), {QStringLiteral("A4"), 210 / 25.4, 297 / 25.4}},
                   {QStringLiteral("US-Letter"), {QStringLiteral("US Letter"), 8.5, 11}},
                   {QStringLiteral("US-Legal"), {QStringLiteral("US Legal"), 8.5, 14}}};
    QFile file(QDir(folder).filePath(QStringLiteral("paper-sizes.xml")));
    if (!file.open(QIODevice::ReadOnly))
        return papers;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Paper-size")) {
            const QXmlStreamAttributes a = xml.attributes();
            const auto w = Inches(a.value(QLatin1String("width")).toString());
            const auto h = Inches(a.value(QLatin1String("height")).toString());
            QString name = a.value(QLatin1String("_name")).toString();
            if (name.isEmpty())
                name = a.value(QLatin1String("name")).toString();
            if (w && h)
                papers.insert(a.value(QLatin1String("id")).toString(), TPaper{name, *w, *h});
        }
    }
    if (xml.hasError())
        qCWarning(lcTemplates).noquote() << file.fileName() << "skipped:" << xml.errorString();
    return papers;
}

/// The templates of one file, or a note when it is not well-formed.
std::vector<TTemplate> ReadFile(const QString& path, const TPapers& papers, QStringList& notes) {
    std::vector<TTemplate> templates;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        notes << QStringLiteral("%1 skipped: %2").arg(path, file.errorString());
        return {};
    }
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement() && xml.name() == QLatin1String("Glabels-templates")) {
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("Template"))
                templates.push_back(TTemplateParser(xml, papers).Read());
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        notes << QStringLiteral("%1 skipped: line %2: %3")
                     .arg(path)
                     .arg(xml.lineNumber())
                     .arg(xml.errorString());
        return {};
    }
    return templates;
}

QString Key(const QString& brand, const QString& part) {
    return brand.toLower() + QLatin1Char('\n') + part.toLower();
}

} // namespace

int TZpTemplateStocks::Count() const {
    int count = 0;
    for (const TZpLabelManufacturer& m : Brands)
        count += m.FormatCount();
    return count;
}

QStringList TemplateImportFolders() {
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    return {QStringLiteral("/usr/share/libglabels-3.0/templates"),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/libglabels/templates")};
}

void SetTemplateImportFolders(const QStringList& folders) {
    FolderOverride() = folders;
}

TZpTemplateStocks ReadTemplateFolders(const QStringList& folders) {
    TZpTemplateStocks result;
    std::vector<TTemplate> all;
    for (const QString& folder : folders) {
        const TPapers papers = ReadPapers(folder);
        const QDir dir(folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
            if (name == QLatin1String("paper-sizes.xml") || name == QLatin1String("categories.xml") ||
                name == QLatin1String("vendors.xml"))
                continue;
            std::vector<TTemplate> read = ReadFile(dir.filePath(name), papers, result.Notes);
            std::move(read.begin(), read.end(), std::back_inserter(all));
        }
    }
    QHash<QString, const TTemplate*> byPart;
    for (const TTemplate& t : all)
        if (t.Layout)
            byPart.insert(Key(t.Brand, t.Part), &t);

    QHash<QString, int> brandIndex;
    for (const TTemplate& t : all) {
        std::optional<TLabelProperties> layout = t.Layout;
        if (!t.Equiv.isEmpty()) {
            const TTemplate* base = byPart.value(Key(t.Brand, t.Equiv));
            if (!base)
                continue; // the equivalent of a skipped or missing template
            layout = base->Layout;
            layout->Product = t.Part;
        }
        if (!layout) {
            if (t.Noted)
                result.Notes << QStringLiteral("%1 %2 skipped: %3").arg(t.Brand, t.Part, t.Skipped);
            continue;
        }
        if (const QString problem = StockProblem(*layout); !problem.isEmpty()) {
            result.Notes << QStringLiteral("%1 %2 refused: %3").arg(t.Brand, t.Part, problem);
            continue;
        }
        const QString key = t.Brand.toLower();
        if (!brandIndex.contains(key)) {
            brandIndex.insert(key, int(result.Brands.size()));
            result.Brands.push_back(TZpLabelManufacturer{t.Brand, {}});
        }
        result.Brands[brandIndex[key]].Add(*layout);
    }
    std::stable_sort(result.Brands.begin(), result.Brands.end(), [](const auto& a, const auto& b) {
        return QString::compare(a.Name, b.Name, Qt::CaseInsensitive) < 0;
    });
    for (const QString& note : result.Notes)
        qCInfo(lcTemplates).noquote() << note;
    return result;
}

const TZpTemplateStocks& ImportedTemplateStocks() {
    static TZpTemplateStocks cache;
    static QStringList cacheStamp{QStringLiteral("never read")};
    const QStringList folders = TemplateImportFolders();
    QStringList stamp = folders;
    for (const QString& folder : folders)
        for (const QFileInfo& info :
             QDir(folder).entryInfoList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
            stamp << info.fileName() + QLatin1Char(' ') + QString::number(info.size()) + QLatin1Char(' ') +
                         QString::number(info.lastModified().toMSecsSinceEpoch());
    if (stamp != cacheStamp) {
        cache = ReadTemplateFolders(folders);
        cacheStamp = stamp;
    }
    return cache;
}

void AddImportedStocks(TZpLabelCatalogue& catalogue, const TZpTemplateStocks& stocks) {
    for (const TZpLabelManufacturer& brand : stocks.Brands) {
        if (brand.Name.compare(QStringLiteral("Custom"), Qt::CaseInsensitive) == 0)
            continue;
        auto same = std::find_if(catalogue.begin(), catalogue.end(), [&](const TZpLabelManufacturer& m) {
            return m.Name.compare(brand.Name, Qt::CaseInsensitive) == 0;
        });
        if (same == catalogue.end()) {
            catalogue.push_back(brand);
            continue;
        }
        QSet<QString> products;
        for (const TZpLabelCategory& c : same->Categories)
            for (const TZpLabelFormat& f : c.Formats)
                products.insert(f.Layout.Product.toLower());
        for (const TZpLabelCategory& c : brand.Categories)
            for (const TZpLabelFormat& f : c.Formats)
                if (!products.contains(f.Layout.Product.toLower()))
                    same->Add(f.Layout);
    }
}

} // namespace zp
