// Checks of the data set the build generated (pixel files, archive, pictures,
// sounds), and of the raster steps on small hand-made maps.
#include "Artwork.h"
#include "CoatsOfArms.h"
#include "Generator.h"
#include "LabelRaster.h"
#include "PixelFiles.h"
#include "SvgMap.h"
#include "ThematicMaps.h"
#include "TutorialMaps.h"
#include "ZipWriter.h"
#include "app/Crypte.h"
#include "quiz/Tables.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <map>
#include <set>

using namespace datagen;

namespace {

using Pixel = std::pair<int, int>;  // x, y

QString Env(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QRgb Rgb(const QColor& c)
{
    return c.rgb();
}

// A GIF's picture, checked to fill the GIF's logical screen.
QImage ReadGif(const QString& path)
{
    const QByteArray gif = ReadAll(path);
    if (!gif.startsWith("GIF89a"))
        return QImage();
    const QImage image = QImage::fromData(gif, "GIF").convertToFormat(QImage::Format_RGB32);
    const QSize screen(qFromLittleEndian<quint16>(gif.constData() + 6), qFromLittleEndian<quint16>(gif.constData() + 8));
    return screen == image.size() ? image : QImage();
}

const char* const kArmsFiles[] = {"Alsace.gif",   "Aquitaine.gif", "Auvergne.gif",  "Bourgogne.gif", "Bretagne.gif",
                                  "Centre.gif",   "Champagne.gif", "Corse.gif",     "Franche.gif",   "Ile.gif",
                                  "Languedoc.gif", "Limousin.gif", "Lorraine.gif",  "Midi.gif",      "Nord.gif",
                                  "BasseN.gif",   "HauteN.gif",    "PaysLoire.gif", "Picardie.gif",  "Poitou.gif",
                                  "Provence.gif", "Rhone.gif"};

// 4-connected pieces of a set of pixels.
int PieceCount(const std::set<Pixel>& pixels)
{
    std::set<Pixel> left = pixels;
    int pieces = 0;
    while (!left.empty()) {
        ++pieces;
        std::vector<Pixel> stack{*left.begin()};
        left.erase(left.begin());
        while (!stack.empty()) {
            const auto [x, y] = stack.back();
            stack.pop_back();
            for (Pixel n : {Pixel{x + 1, y}, Pixel{x - 1, y}, Pixel{x, y + 1}, Pixel{x, y - 1}})
                if (left.erase(n))
                    stack.push_back(n);
        }
    }
    return pieces;
}

Outline Rect(int index, QRectF r)
{
    Outline o;
    o.index = index;
    o.id = QString::number(index);
    o.rings = {QPolygonF(r)};
    o.rings[0].removeLast();  // QPolygonF(QRectF) repeats the first corner
    return o;
}

SvgMap SmallMap(std::vector<Outline> outlines)
{
    SvgMap map;
    map.viewBox = QRectF(0, 0, 40, 30);
    map.outlines = std::move(outlines);
    return map;
}

RasterOptions SmallOptions()
{
    return {QSize(40, 30), QTransform(), QRect(), 4};
}

RegionTable SmallRegions()
{
    RegionTable t{};
    t.fill(1);
    t[3] = 2;
    return t;
}

} // namespace

class TestDatagen : public QObject {
    Q_OBJECT

private:
    QString pixelsDir_, appDir_, storedDir_;
    std::map<QString, std::vector<PixelRecord>> files_;  // every pixel file, decoded
    std::map<Pixel, int> owner_;                         // clickable pixel -> département, from the D files
    QImage depMap_, regMap_, storedMap_;

    const std::vector<PixelRecord>& file(const QString& name) { return files_[name]; }

private slots:
    void initTestCase()
    {
        pixelsDir_ = Env("GEOMIRA_DATAGEN_PIXELS");
        appDir_ = Env("GEOMIRA_APP_DIR");
        storedDir_ = Env("GEOMIRA_DATAGEN_STORED");
        QVERIFY2(QFile::exists(pixelsDir_ + "/D1.dat"), "the build has not generated the data set");
        const QByteArray key(kCleValue);
        for (const QString& name : QDir(pixelsDir_).entryList({"*.dat"}, QDir::Files))
            files_[name] = DecodeRecords(key, ReadAll(pixelsDir_ + '/' + name));
        depMap_ = QImage(appDir_ + "/GeomiraDepV.gif").convertToFormat(QImage::Format_RGB32);
        regMap_ = QImage(appDir_ + "/GeomiraRegV.gif").convertToFormat(QImage::Format_RGB32);
        storedMap_ = QImage(storedDir_ + "/carte_departements.gif").convertToFormat(QImage::Format_RGB32);
        QVERIFY(!depMap_.isNull() && !regMap_.isNull() && !storedMap_.isNull());
        RemplitTables();
        for (int n = 1; n <= 96; ++n)
            for (const PixelRecord& p : file(QStringLiteral("D%1.dat").arg(n)))
                owner_[{p.x, p.y}] = n;
    }

    // --- the record and the map source ---------------------------------

    void recordIsThirteenBytesScrambledFieldByField()
    {
        const QByteArray key(kCleValue);
        const QByteArray rec = EncodeRecord(key, {150, 7, 96});
        QCOMPARE(rec.size(), kRecordSize);
        // Every field unscrambles on its own, the key starting afresh.
        QCOMPARE(Crypte(key, rec.mid(0, 5)), QByteArray("150  "));
        QCOMPARE(Crypte(key, rec.mid(5, 5)), QByteArray("7    "));
        QCOMPARE(Crypte(key, rec.mid(10, 3)), QByteArray("96 "));
        // A trailing part-record is not a record.
        const auto back = DecodeRecords(key, rec + EncodeRecord(key, {0, 482, 20}) + "x");
        QCOMPARE(back.size(), size_t(2));
        QCOMPARE(back[0], (PixelRecord{150, 7, 96}));
        QCOMPARE(back[1], (PixelRecord{0, 482, 20}));
    }

    void pathDataOfTheSource()
    {
        // Relative move after a close starts from the closed ring's first point;
        // implicit line-tos follow a move; H and V keep the other coordinate.
        const auto rings = ParsePathData("m 10,10 5,0 0,5 z m 2,2 1,0 0,1 z M 0 0 H 4 V 3 L 0,3 Z");
        QCOMPARE(rings.size(), size_t(3));
        QCOMPARE(rings[0], QPolygonF({{10, 10}, {15, 10}, {15, 15}}));
        QCOMPARE(rings[1], QPolygonF({{12, 12}, {13, 12}, {13, 13}}));
        QCOMPARE(rings[2], QPolygonF({{0, 0}, {4, 0}, {4, 3}, {0, 3}}));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, ParsePathData("M 0 0 C 1 1 2 2 3 3 Z"));
        QCOMPARE(IndexOfId("2A"), 96);
        QCOMPARE(IndexOfId("2B"), 20);
        QCOMPARE(IndexOfId("20"), 0);
        QCOMPARE(IndexOfId("95"), 95);
    }

    void sourceMapHasEveryDepartement()
    {
        const SvgMap map = ReadSvgMap(Env("GEOMIRA_MAP_SVG"));
        std::set<int> indexes;
        for (const Outline& o : map.outlines)
            indexes.insert(o.index);
        QCOMPARE(indexes.size(), size_t(96));
        QCOMPARE(*indexes.begin(), 1);
        QCOMPARE(*indexes.rbegin(), 96);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, ReadSvgMap(QStringLiteral("/nonexistent/map.svg")));
    }

    // --- the raster steps on hand-made maps ----------------------------

    void sliversBetweenNeighboursAreClosedAndBordersDrawn()
    {
        // Two squares with a thin gap between them, a third one below both.
        const LabelRaster r = Rasterise(SmallMap({Rect(1, {2, 2, 14.3, 14}), Rect(2, {16.7, 2, 14, 14}),
                                                  Rect(3, {2, 16, 28.7, 10})}),
                                        SmallOptions(), SmallRegions());
        for (int y = 3; y < 15; ++y)
            for (int x = 3; x < 30; ++x)
                QVERIFY2(r.isLand(x, y), qPrintable(QString("gap at %1,%2").arg(x).arg(y)));
        // One border column between 1 and 2, one border row above 3.
        for (int y = 3; y < 15; ++y) {
            int borders = 0;
            for (int x = 3; x < 30; ++x)
                borders += r.isBorder(x, y);
            QCOMPARE(borders, 1);
        }
        for (int x = 3; x < 30; ++x) {
            QVERIFY(r.isBorder(x, 15));   // the row above 3
            QVERIFY(!r.isBorder(x, 16));
        }
        // Region border between 3 (région 2) and the others, département border between 1 and 2.
        QCOMPARE(r.edge[r.at(16, 8)] == Edge::Departement || r.edge[r.at(15, 8)] == Edge::Departement, true);
        QCOMPARE(r.edge[r.at(8, 15)], Edge::Region);
        const auto pieces = CountPieces(r);
        QCOMPARE(pieces[1], 1);
        QCOMPARE(pieces[2], 1);
        QCOMPARE(pieces[3], 1);
    }

    void enclaveKeepsItsOwnDepartement()
    {
        Outline outer = Rect(1, {2, 2, 30, 24});
        QPolygonF hole({{10, 10}, {10, 18}, {20, 18}, {20, 10}});  // opposite turn: a hole
        outer.rings.push_back(hole);
        const LabelRaster r = Rasterise(SmallMap({outer, Rect(2, {10, 10, 10, 8})}), SmallOptions(), SmallRegions());
        QCOMPARE(r.departement(15, 14), 2);
        QCOMPARE(r.departement(5, 5), 1);
        const auto pieces = CountPieces(r);
        QCOMPARE(pieces[1], 1);
        QCOMPARE(pieces[2], 1);
    }

    void requirementsThatCannotBeMetFail()
    {
        RasterOptions free = SmallOptions();
        free.keepFree = QRect(0, 20, 10, 10);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 Rasterise(SmallMap({Rect(1, {2, 2, 20, 20})}), free, SmallRegions()));
        // A département too small to be clicked.
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 Rasterise(SmallMap({Rect(1, {2, 2, 20, 20}), Rect(2, {30, 2, 1, 1})}),
                                           SmallOptions(), SmallRegions()));
    }

    // --- the generated pixel files -------------------------------------

    void departementFilesLieInTheirColumns()
    {
        // Column lookup: pixel -> département, from the F files.
        std::map<Pixel, int> columns;
        for (const auto& [name, records] : files_) {
            if (!name.startsWith('F'))
                continue;
            const int column = name.mid(1, name.size() - 5).toInt();
            for (const PixelRecord& r : records) {
                QCOMPARE(r.x, column);
                QVERIFY2(r.departement >= 1 && r.departement <= 96, qPrintable(name));
                QVERIFY2(columns.emplace(Pixel{r.x, r.y}, r.departement).second, "pixel listed twice");
            }
        }
        std::set<Pixel> all;
        for (int n = 1; n <= 96; ++n) {
            const QString name = QStringLiteral("D%1.dat").arg(n);
            const auto& records = file(name);
            QVERIFY2(records.size() >= 4, qPrintable(name));
            for (const PixelRecord& r : records) {
                QVERIFY(r.x >= 0 && r.x < kMapWidth && r.y >= 0 && r.y < kMapHeight);
                QCOMPARE(r.departement, n);
                const auto it = columns.find({r.x, r.y});
                QVERIFY2(it != columns.end() && it->second == n, qPrintable(name));
                QVERIFY2(all.insert({r.x, r.y}).second, "pixel in two départements");
            }
        }
        // The F files list no pixel that no D file has.
        QCOMPARE(all.size(), columns.size());
        for (const char* first : {"F150.dat", "D50.dat", "R10.dat"})
            QVERIFY(files_.count(first) && !files_[first].empty());
    }

    void regionFilesAreTheUnionOfTheirDepartements()
    {
        for (int r = 1; r <= 22; ++r) {
            std::set<Pixel> expected, got;
            for (int n = 1; n <= 96; ++n)
                if (NumRegionDep[n] == r)
                    for (const PixelRecord& p : file(QStringLiteral("D%1.dat").arg(n)))
                        expected.insert({p.x, p.y});
            const auto& records = file(QStringLiteral("R%1.dat").arg(r));
            for (const PixelRecord& p : records)
                got.insert({p.x, p.y});
            QCOMPARE(records.size(), got.size());
            QVERIFY2(got == expected, qPrintable(NomRegion[r]));
        }
    }

    void departementsAreWholeAndClearOfTheTitleLabel()
    {
        const SvgMap map = ReadSvgMap(Env("GEOMIRA_MAP_SVG"));
        for (const Outline& o : map.outlines) {
            std::set<Pixel> pixels;
            for (const PixelRecord& p : file(QStringLiteral("D%1.dat").arg(o.index))) {
                pixels.insert({p.x, p.y});
                QVERIFY2(!kTitleLabelStrip.contains(p.x, p.y), qPrintable(o.name));
            }
            // One piece, or one per separate ring of the source (islands, exclaves).
            int outer = 0;
            for (const QPolygonF& ring : o.rings)
                outer += (SignedArea(ring) > 0) == (SignedArea(o.rings.front()) > 0);
            const int pieces = PieceCount(pixels);
            QVERIFY2(pieces >= 1 && pieces <= outer, qPrintable(o.name + ": " + QString::number(pieces)));
        }
        // Paris and its ring of small départements are one piece each.
        for (int n : {75, 92, 93, 94}) {
            std::set<Pixel> pixels;
            for (const PixelRecord& p : file(QStringLiteral("D%1.dat").arg(n)))
                pixels.insert({p.x, p.y});
            QCOMPARE(PieceCount(pixels), 1);
        }
    }

    // --- the pictures ---------------------------------------------------

    void picturesMatchThePixelFiles()
    {
        QCOMPARE(depMap_.size(), QSize(kMapWidth, kMapHeight));
        QCOMPARE(regMap_.size(), depMap_.size());
        QCOMPARE(storedMap_, depMap_);
        const QRgb land = Rgb(kLand), silver = Rgb(kSilver), border = Rgb(kPaleYellow);
        int borders = 0;
        for (int y = 0; y < depMap_.height(); ++y)
            for (int x = 0; x < depMap_.width(); ++x) {
                const QRgb dep = depMap_.pixel(x, y), reg = regMap_.pixel(x, y);
                const bool listed = owner_.count({x, y});
                QVERIFY(dep == land || dep == silver || dep == border);
                // Land is listed, borders and the outside are not.
                QVERIFY2(listed == (dep == land), qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
                // The région map has the same land, borders and outside.
                QCOMPARE(reg == land, dep == land);
                QCOMPARE(reg == silver, dep == silver);
                if (dep == border) {
                    QVERIFY(reg == Rgb(kRegionBorder) || reg == Rgb(kFaintBorder));
                    ++borders;
                }
            }
        QVERIFY(borders > 0);
    }

    void regionBordersSeparateRegions()
    {
        // A clickable pixel and its clickable right or lower neighbour are in
        // one département: borders keep départements apart.
        for (const auto& [pixel, dep] : owner_)
            for (Pixel n : {Pixel{pixel.first + 1, pixel.second}, Pixel{pixel.first, pixel.second + 1}}) {
                const auto it = owner_.find(n);
                QVERIFY(it == owner_.end() || it->second == dep);
            }
        // The région map marks some borders and keeps the others faint.
        int marked = 0, faint = 0;
        for (int y = 0; y < regMap_.height(); ++y)
            for (int x = 0; x < regMap_.width(); ++x) {
                marked += regMap_.pixel(x, y) == Rgb(kRegionBorder);
                faint += regMap_.pixel(x, y) == Rgb(kFaintBorder);
            }
        QVERIFY(marked > 0 && faint > 0);
    }

    void gifScreensCoverTheirPictures()
    {
        for (const QString& path : {appDir_ + "/GeomiraDepV.gif", appDir_ + "/GeomiraRegV.gif",
                                    storedDir_ + "/carte_departements.gif", storedDir_ + "/title.gif",
                                    storedDir_ + "/list_background.gif"}) {
            const QByteArray gif = ReadAll(path);
            QVERIFY2(gif.startsWith("GIF89a"), qPrintable(path));
            const int screenW = qFromLittleEndian<quint16>(gif.constData() + 6);
            const int screenH = qFromLittleEndian<quint16>(gif.constData() + 8);
            const QImage image(path);
            QVERIFY(!image.isNull());
            QVERIFY2(screenW >= image.width() && screenH >= image.height(), qPrintable(path));
        }
        QCOMPARE(QImage(storedDir_ + "/title.gif").size(), QSize(kTitleWidth, kTitleHeight));
        QCOMPARE(QImage(storedDir_ + "/small_left.jpg").size(), QSize(65, 31));
        QCOMPARE(QImage(storedDir_ + "/small_right.jpg").size(), QSize(65, 31));
    }

    void buttonPictures()
    {
        const QImage on(appDir_ + "/sonsok.bmp"), off(appDir_ + "/sonsnon.bmp");
        QVERIFY(!on.isNull() && !off.isNull());
        QCOMPARE(on.size(), off.size());
        QVERIFY(on != off);
        for (const char* name : {"/Ok.bmp", "/Faux.bmp"}) {
            const QImage mark(appDir_ + name);
            QVERIFY2(!mark.isNull() && mark.width() <= 25 && mark.height() <= 25, name);
        }
    }

    // --- the tutorials' maps, the coats of arms, the thematic maps ------

    void tutorialMapsFollowThePixelFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("numbers");
        QTest::newRow("régions in colour") << "GeomiraA1.gif" << QSize(479, 483) << false;
        QTest::newRow("régions and numbers") << "GeomiraA2.gif" << QSize(483, 483) << true;
        QTest::newRow("départements") << "GeomiraR5.gif" << QSize(509, 483) << true;
        QTest::newRow("complete") << "GeomiraR4.gif" << QSize(523, 483) << true;
    }
    void tutorialMapsFollowThePixelFiles()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, numbers);
        const QImage map = ReadGif(appDir_ + '/' + name);
        QCOMPARE(map.size(), size);
        const SvgMap svg = ReadSvgMap(Env("GEOMIRA_MAP_SVG"));
        const RegionTable regionOf = RegionsOfDepartements();
        const LabelRaster raster = Rasterise(svg, QuizMapOptions(svg), regionOf);
        std::array<QColor, 98> colour;
        for (int n = 1; n <= 96; ++n)
            colour[n] = TutorialRegionColour(NumRegionDep[n]);
        if (name == "GeomiraR5.gif")
            colour = DepartementColours(raster);
        else if (name == "GeomiraR4.gif")
            colour = CompleteMapColours(raster, regionOf);

        // Every pixel of a département shows its colour, except under its number.
        std::map<Pixel, int> owner;
        for (int n = 1; n <= 96; ++n) {
            int own = 0, ink = 0;
            const auto& records = file(QStringLiteral("D%1.dat").arg(n));
            for (const PixelRecord& p : records) {
                owner[{p.x, p.y}] = n;
                const QRgb c = map.pixel(p.x, p.y);
                own += c == Rgb(colour[n]);
                ink += c == Rgb(kNumberInk);
            }
            QVERIFY2(own + ink == int(records.size()), qPrintable(NomDep[n]));
            QVERIFY2(numbers ? ink > 0 || n == 75 || n == 92 || n == 93 || n == 94 : ink == 0, qPrintable(NomDep[n]));
            QVERIFY2(own >= int(records.size()) * 6 / 10, qPrintable(NomDep[n]));
        }
        // Neighbours differ where the map tells départements apart by colour.
        if (name == "GeomiraR5.gif")
            for (const auto& [pixel, n] : owner)
                for (Pixel next : {Pixel{pixel.first + 2, pixel.second}, Pixel{pixel.first, pixel.second + 2}}) {
                    const auto it = owner.find(next);
                    QVERIFY(it == owner.end() || it->second == n || colour[it->second] != colour[n]);
                }
        // Around the country and in the margin: the background, or the enlarged view of Paris.
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                if (!raster.inside(x, y) || (!raster.isLand(x, y) && !kParisInset.adjusted(-1, -1, 1, 1).contains(x, y)))
                    QVERIFY2(map.pixel(x, y) == Rgb(kSilver), qPrintable(QString("%1,%2").arg(x).arg(y)));
        if (numbers) {
            int ink = 0;
            for (int y = kParisInset.top(); y <= kParisInset.bottom(); ++y)
                for (int x = kParisInset.left(); x <= kParisInset.right(); ++x)
                    ink += map.pixel(x, y) == Rgb(kNumberInk);
            QVERIFY(ink > 4 * 20);  // the four numbers of Paris and its neighbours
        }
    }

    void thematicClassesFollowTheLegends()
    {
        // Figures from the tables, and the class each falls in.
        QCOMPARE(qRound(Figure(Statistic::Density1999, false, 1) * 10), 894);   // Ain
        QCOMPARE(qRound(Figure(Statistic::Evolution, false, 1) * 100), 939);
        QCOMPARE(ClassOf(Statistic::Evolution, false, Figure(Statistic::Evolution, false, 1)), 8);  // +9 à +11 %
        QCOMPARE(ClassOf(Statistic::Evolution, false, Figure(Statistic::Evolution, false, 23)), 0); // Creuse, -5,24
        QCOMPARE(ClassOf(Statistic::Density1990, false, Figure(Statistic::Density1990, false, 75)), 9); // > 20 000
        QCOMPARE(ClassOf(Statistic::Area, false, Figure(Statistic::Area, false, 1)), 5);         // 5 762 km²
        QCOMPARE(ClassOf(Statistic::Population1999, false, Figure(Statistic::Population1999, false, 1)), 2);
        QCOMPARE(ClassOf(Statistic::Area, true, Figure(Statistic::Area, true, 1)), 1);           // Alsace, 8 280 km²
        QCOMPARE(ClassOf(Statistic::Population1999, true, Figure(Statistic::Population1999, true, 10)), 9);
        QCOMPARE(ClassOf(Statistic::Density1999, true, Figure(Statistic::Density1999, true, 10)), 9);  // > 800
        QCOMPARE(ClassOf(Statistic::Density1999, true, Figure(Statistic::Density1999, true, 4)), 2);   // 51
        // Bounds belong to the class they open; the gaps go to the class below.
        QCOMPARE(ClassOf(Statistic::Area, false, 1000), 1);
        QCOMPARE(ClassOf(Statistic::Area, false, 12000), 9);
        QCOMPARE(ClassOf(Statistic::Density1990, false, 2500), 6);
        QCOMPARE(ClassOf(Statistic::Density1999, true, 250), 7);
        QCOMPARE(ClassOf(Statistic::Evolution, true, -0.5), 2);
        QCOMPARE(ClassOf(Statistic::Evolution, true, 0), 3);
    }

    void thematicMapsPaintEveryItemInItsClass()
    {
        const char* const letters = "abcdef";
        for (bool regions : {false, true})
            for (int k = 0; k < 6; ++k) {
                const Statistic s = kStatistics[k];
                const QString name = QStringLiteral("D%1%2.gif").arg(regions ? 2 : 1).arg(QChar(letters[k]));
                const QImage map = ReadGif(appDir_ + '/' + name);
                QVERIFY2(map.size() == QSize(kMapWidth, kMapHeight), qPrintable(name));
                std::set<QRgb> used;
                for (int item = 1; item <= (regions ? 22 : 96); ++item) {
                    const QRgb expected = Rgb(ClassColour(s, ClassOf(s, regions, Figure(s, regions, item))));
                    used.insert(expected);
                    const QString records = QStringLiteral("%1%2.dat").arg(regions ? 'R' : 'D').arg(item);
                    for (const PixelRecord& p : file(records))
                        QVERIFY2(map.pixel(p.x, p.y) == expected, qPrintable(name + ' ' + records));
                }
                QVERIFY2(used.size() >= 3, qPrintable(name));
                // Nothing but the classes' colours, the borders and the background.
                for (int y = 0; y < map.height(); ++y)
                    for (int x = 0; x < map.width(); ++x) {
                        const QRgb c = map.pixel(x, y);
                        QVERIFY(used.count(c) || c == Rgb(kSilver) || c == Rgb(kThematicBorder));
                    }
            }
    }

    void regionPicturesAreDistinctCoatsOfArms()
    {
        std::vector<QImage> arms;
        for (const char* name : kArmsFiles) {
            const QImage picture = ReadGif(appDir_ + '/' + name);  // the exact, case-sensitive name
            QVERIFY2(picture.size() == QSize(171, 114), name);
            // A shield in the middle, on a plain background.
            const QRgb background = picture.pixel(0, 0);
            QCOMPARE(picture.pixel(170, 113), background);
            int shield = 0;
            for (int y = 10; y < 100; ++y)
                shield += picture.pixel(85, y) != background;
            QVERIFY2(shield >= 80, name);
            for (const QImage& other : arms)
                QVERIFY2(picture != other, name);
            arms.push_back(picture);
        }
    }

    // --- sounds and archive --------------------------------------------

    void soundsArePcmWav_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("maxSeconds");
        QTest::newRow("right") << "Message.wav" << 1.5;
        QTest::newRow("wrong") << "Erreur.wav" << 1.5;
        QTest::newRow("refused") << "Faute.wav" << 0.3;
        QTest::newRow("tick") << "clock.wav" << 0.5;
        QTest::newRow("beep") << "beep.wav" << 0.5;
    }
    void soundsArePcmWav()
    {
        QFETCH(QString, name);
        QFETCH(double, maxSeconds);
        const QByteArray wav = ReadAll(appDir_ + '/' + name);  // the exact, case-sensitive name
        QVERIFY2(wav.size() > 44, qPrintable(name));
        QCOMPARE(wav.mid(0, 4), QByteArray("RIFF"));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1));  // PCM
        const int channels = qFromLittleEndian<quint16>(wav.constData() + 22);
        const int rate = int(qFromLittleEndian<quint32>(wav.constData() + 24));
        const int bits = qFromLittleEndian<quint16>(wav.constData() + 34);
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        const quint32 data = qFromLittleEndian<quint32>(wav.constData() + 40);
        QCOMPARE(qsizetype(data), wav.size() - 44);
        const double seconds = double(data) / (rate * channels * bits / 8);
        QVERIFY2(seconds > 0.02 && seconds < maxSeconds, qPrintable(QString::number(seconds)));
        int peak = 0;
        for (qsizetype i = 44; i + 1 < wav.size(); i += 2)
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(wav.constData() + i))));
        QVERIFY(peak > 3000);  // audible
    }

    void archiveHoldsExactlyThePixelFiles()
    {
        const auto entries = ReadZip(appDir_ + "/Geomira.zip");
        QCOMPARE(entries.size(), files_.size());
        std::set<QString> names;
        for (const auto& [name, data] : entries) {
            QVERIFY2(QRegularExpression("^[DRF][0-9]+\\.dat$").match(name).hasMatch(), qPrintable(name));
            QVERIFY(names.insert(name).second);
            QVERIFY2(data == ReadAll(pixelsDir_ + '/' + name), qPrintable(name));
        }
        for (const char* first : {"F150.dat", "D50.dat", "R10.dat"})
            QVERIFY(names.count(first));
        // The pictures and sounds lie beside the archive, not in it.
        QVERIFY(!names.count("GeomiraDepV.gif"));
    }

    void archiveRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("t.zip");
        const std::vector<std::pair<QString, QByteArray>> in{
            {"D1.dat", QByteArray(13 * 50, '\x05')}, {"empty.dat", QByteArray()}, {"F0.dat", QByteArray("\0\1\2", 3)}};
        WriteZip(path, in);
        const QByteArray first = ReadAll(path);
        QCOMPARE(ReadZip(path), in);
        WriteZip(path, in);
        QCOMPARE(ReadAll(path), first);  // same input, same archive
    }
};

QTEST_GUILESS_MAIN(TestDatagen)
#include "tst_datagen.moc"
