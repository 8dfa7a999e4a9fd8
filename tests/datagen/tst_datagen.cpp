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

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A picture of the data set, in RGB; a GIF must also fill its logical screen exactly.
QImage ReadPicture(const QString& path)
{
    const QByteArray bytes = ReadAll(path);
    const QImage image = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    if (!bytes.startsWith("GIF"))
        return image;
    const QSize screen(qFromLittleEndian<quint16>(bytes.constData() + 6),
                       qFromLittleEndian<quint16>(bytes.constData() + 8));
    return bytes.startsWith("GIF89a") && screen == image.size() ? image : QImage();
}

const char* const kArmsFiles[] = {"Alsace.gif",   "Aquitaine.gif", "Auvergne.gif",  "Bourgogne.gif", "Bretagne.gif",
                                  "Centre.gif",   "Champagne.gif", "Corse.gif",     "Franche.gif",   "Ile.gif",
                                  "Languedoc.gif", "Limousin.gif", "Lorraine.gif",  "Midi.gif",      "Nord.gif",
                                  "BasseN.gif",   "HauteN.gif",    "PaysLoire.gif", "Picardie.gif",  "Poitou.gif",
                                  "Provence.gif", "Rhone.gif"};

// 4-connected pieces of a set of pixels.
int PieceCount(std::set<Pixel> left)
{
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
    Outline o{index, QString::number(index), QString(), {QPolygonF(r)}};
    o.rings[0].removeLast();  // QPolygonF(QRectF) repeats the first corner
    return o;
}

// A 40 × 30 raster of hand-made outlines; département 3 alone in région 2.
LabelRaster SmallRaster(std::vector<Outline> outlines, QRect keepFree = QRect())
{
    const SvgMap map{QRectF(0, 0, 40, 30), std::move(outlines)};
    RegionTable regionOf{};
    regionOf.fill(1);
    regionOf[3] = 2;
    return Rasterise(map, {QSize(40, 30), QTransform(), keepFree, 4}, regionOf);
}

} // namespace

class TestDatagen : public QObject {
    Q_OBJECT

private:
    QString pixelsDir_, appDir_, storedDir_;
    SvgMap svg_;
    std::map<QString, std::vector<PixelRecord>> files_;  // every pixel file, decoded
    std::map<Pixel, int> owner_;                         // clickable pixel -> département, from the D files

    const std::vector<PixelRecord>& file(const QString& name) { return files_[name]; }

private slots:
    void initTestCase()
    {
        pixelsDir_ = qEnvironmentVariable("GEOMIRA_DATAGEN_PIXELS");
        appDir_ = qEnvironmentVariable("GEOMIRA_APP_DIR");
        storedDir_ = qEnvironmentVariable("GEOMIRA_DATAGEN_STORED");
        QVERIFY2(QFile::exists(pixelsDir_ + "/D1.dat"), "the build has not generated the data set");
        svg_ = ReadSvgMap(qEnvironmentVariable("GEOMIRA_MAP_SVG"));
        for (const QString& name : QDir(pixelsDir_).entryList({"*.dat"}, QDir::Files))
            files_[name] = DecodeRecords(kCleValue, ReadAll(pixelsDir_ + '/' + name));
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
        QCOMPARE(back, (std::vector<PixelRecord>{{150, 7, 96}, {0, 482, 20}}));
    }

    void readingTheMapSource()
    {
        // Relative move after a close starts from the closed ring's first point;
        // implicit line-tos follow a move; H, h and V keep the other coordinate.
        const auto rings = ParsePathData("m 10,10 5,0 0,5 z m 2,2 1,0 0,1 z M 1 0 h 4 V 3 H 3 L 1,3 Z");
        QCOMPARE(rings, (std::vector<QPolygonF>{QPolygonF({{10, 10}, {15, 10}, {15, 15}}),
                                                QPolygonF({{12, 12}, {13, 12}, {13, 13}}),
                                                QPolygonF({{1, 0}, {5, 0}, {5, 3}, {3, 3}, {1, 3}})}));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, ParsePathData("M 0 0 C 1 1 2 2 3 3 Z"));
        QCOMPARE(IndexOfId("2A"), 96);
        QCOMPARE(IndexOfId("2B"), 20);
        QCOMPARE(IndexOfId("20"), 0);
        QCOMPARE(IndexOfId("95"), 95);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, ReadSvgMap(QStringLiteral("/nonexistent/map.svg")));
    }

    // --- the raster steps on hand-made maps ----------------------------

    void sliversBetweenNeighboursAreClosedAndBordersDrawn()
    {
        // Two squares with a thin gap between them, a third one below both.
        const LabelRaster r = SmallRaster({Rect(1, {2, 2, 14.3, 14}), Rect(2, {16.7, 2, 14, 14}),
                                           Rect(3, {2, 16, 28.7, 10})});
        // No gap left, and one border column between 1 and 2.
        for (int y = 3; y < 15; ++y) {
            int borders = 0;
            for (int x = 3; x < 30; ++x) {
                QVERIFY2(r.isLand(x, y), qPrintable(QString("gap at %1,%2").arg(x).arg(y)));
                borders += r.isBorder(x, y);
            }
            QCOMPARE(borders, 1);
        }
        // One border row above 3, a région border: 3 is alone in région 2.
        for (int x = 3; x < 30; ++x)
            QVERIFY(r.edge[r.at(x, 15)] == Edge::Region && !r.isBorder(x, 16));
        QVERIFY(r.edge[r.at(16, 8)] == Edge::Departement || r.edge[r.at(15, 8)] == Edge::Departement);
        QCOMPARE(CountPieces(r), (std::array<int, 98>{0, 1, 1, 1}));
    }

    void enclaveKeepsItsOwnDepartement()
    {
        Outline outer = Rect(1, {2, 2, 30, 24});
        outer.rings.push_back(QPolygonF({{10, 10}, {10, 18}, {20, 18}, {20, 10}}));  // opposite turn: a hole
        const LabelRaster r = SmallRaster({outer, Rect(2, {10, 10, 10, 8})});
        QCOMPARE(r.departement(15, 14), 2);
        QCOMPARE(r.departement(5, 5), 1);
        QCOMPARE(CountPieces(r), (std::array<int, 98>{0, 1, 1}));
    }

    void requirementsThatCannotBeMetFail()
    {
        // Land where the map must stay free; a département too small to be clicked.
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, SmallRaster({Rect(1, {2, 2, 20, 20})}, QRect(0, 20, 10, 10)));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, SmallRaster({Rect(1, {2, 2, 20, 20}), Rect(2, {30, 2, 1, 1})}));
    }

    // --- the generated pixel files -------------------------------------

    void departementFilesLieInTheirColumns()
    {
        std::map<Pixel, int> columns;  // pixel -> département, from the F files
        for (const auto& [name, records] : files_)
            if (name.startsWith('F'))
                for (const PixelRecord& r : records) {
                    QCOMPARE(r.x, name.mid(1, name.size() - 5).toInt());
                    QVERIFY2(columns.emplace(Pixel{r.x, r.y}, r.departement).second, "pixel listed twice");
                }
        size_t listed = 0;
        for (int n = 1; n <= 96; ++n) {
            const auto& records = file(QStringLiteral("D%1.dat").arg(n));
            QVERIFY2(records.size() >= 4, qPrintable(NomDep[n]));
            listed += records.size();
            for (const PixelRecord& r : records) {
                QVERIFY(QRect(0, 0, kMapWidth, kMapHeight).contains(r.x, r.y));
                QCOMPARE(r.departement, n);
            }
        }
        // No pixel in two départements, and the columns list the same pixels.
        QCOMPARE(owner_.size(), listed);
        QVERIFY(columns == owner_);
        QVERIFY(!file("F150.dat").empty());  // column numbers without leading zeros
    }

    void regionFilesAreTheUnionOfTheirDepartements()
    {
        for (int r = 1; r <= 22; ++r) {
            std::map<Pixel, int> expected, got;
            for (const auto& [pixel, n] : owner_)
                if (NumRegionDep[n] == r)
                    expected.emplace(pixel, n);
            const auto& records = file(QStringLiteral("R%1.dat").arg(r));
            for (const PixelRecord& p : records)
                got.emplace(Pixel{p.x, p.y}, p.departement);
            QCOMPARE(records.size(), got.size());
            QVERIFY2(got == expected, qPrintable(NomRegion[r]));
        }
    }

    void departementsAreWholeAndClearOfTheTitleLabel()
    {
        for (const Outline& o : svg_.outlines) {
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
    }

    // --- the pictures ---------------------------------------------------

    void picturesMatchThePixelFiles()
    {
        const QImage dep = ReadPicture(appDir_ + "/GeomiraDepV.gif"), reg = ReadPicture(appDir_ + "/GeomiraRegV.gif");
        QCOMPARE(dep.size(), QSize(kMapWidth, kMapHeight));
        QCOMPARE(reg.size(), dep.size());
        QCOMPARE(ReadPicture(storedDir_ + "/carte_departements.gif"), dep);
        const QRgb land = kLand.rgb(), silver = kSilver.rgb();
        int borders = 0, marked = 0;
        for (int y = 0; y < dep.height(); ++y)
            for (int x = 0; x < dep.width(); ++x) {
                const QRgb d = dep.pixel(x, y), r = reg.pixel(x, y);
                // Land is listed, borders and the outside are not.
                QVERIFY2(owner_.count({x, y}) == (d == land), qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
                // The région map has the same land, borders and outside.
                QCOMPARE(r == land, d == land);
                QCOMPARE(r == silver, d == silver);
                if (d != land && d != silver) {
                    QCOMPARE(d, kPaleYellow.rgb());
                    QVERIFY(r == kRegionBorder.rgb() || r == kFaintBorder.rgb());
                    ++borders;
                    marked += r == kRegionBorder.rgb();
                }
            }
        // The région map marks some borders and keeps the others faint.
        QVERIFY(marked > 0 && marked < borders);
        // A clickable pixel and its clickable right or lower neighbour are in
        // one département: borders keep départements apart.
        for (const auto& [pixel, n] : owner_)
            for (Pixel next : {Pixel{pixel.first + 1, pixel.second}, Pixel{pixel.first, pixel.second + 1}}) {
                const auto it = owner_.find(next);
                QVERIFY(it == owner_.end() || it->second == n);
            }
    }

    void picturesHaveTheSizeOfTheirBoxes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("title") << storedDir_ + "/title.gif" << QSize(529, 483);
        QTest::newRow("flag, left") << storedDir_ + "/small_left.jpg" << QSize(65, 31);
        QTest::newRow("flag, right") << storedDir_ + "/small_right.jpg" << QSize(65, 31);
        QTest::newRow("list background") << storedDir_ + "/list_background.gif" << QSize(190, 190);
        QTest::newRow("sound on") << appDir_ + "/sonsok.bmp" << QSize(32, 32);
        QTest::newRow("sound off") << appDir_ + "/sonsnon.bmp" << QSize(32, 32);
        QTest::newRow("right mark") << appDir_ + "/Ok.bmp" << QSize(25, 25);
        QTest::newRow("wrong mark") << appDir_ + "/Faux.bmp" << QSize(25, 25);
    }
    void picturesHaveTheSizeOfTheirBoxes()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QCOMPARE(ReadPicture(path).size(), size);
    }

    // The title's map fills its picture less two pixels on the side that limits it, centred
    // on the other: its land lies where the picture's width and height put it.
    void titleMapIsPlacedByItsPictureSize()
    {
        const QImage title = ReadPicture(storedDir_ + "/title.gif");
        QRect drawn;
        for (int y = 0; y < title.height(); ++y)
            for (int x = 0; x < title.width(); ++x)
                drawn |= title.pixel(x, y) == qRgb(255, 255, 255) ? QRect() : QRect(x, y, 1, 1);
        QRectF land;
        for (const Outline& outline : svg_.outlines)
            for (const QPolygonF& ring : outline.rings)
                land |= ring.boundingRect();
        const QRectF box = svg_.viewBox;
        const double k = std::min((title.width() - 4) / box.width(), (title.height() - 4) / box.height());
        const QRectF placed((title.width() - k * box.width()) / 2 + k * (land.x() - box.x()),
                            (title.height() - k * box.height()) / 2 + k * (land.y() - box.y()), k * land.width(), k * land.height());
        for (const QPointF off : {placed.topLeft() - drawn.topLeft(), placed.bottomRight() - QRectF(drawn).bottomRight()})
            QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1, qPrintable(QString("%1, %2 off").arg(off.x()).arg(off.y())));
    }

    void soundButtonShowsItsState()
    {
        QVERIFY(ReadPicture(appDir_ + "/sonsok.bmp") != ReadPicture(appDir_ + "/sonsnon.bmp"));
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
        const QImage map = ReadPicture(appDir_ + '/' + name);
        QCOMPARE(map.size(), size);
        const RegionTable regionOf = RegionsOfDepartements();
        const LabelRaster raster = Rasterise(svg_, QuizMapOptions(svg_), regionOf);
        std::array<QColor, 98> colour;
        for (int n = 1; n <= 96; ++n)
            colour[n] = TutorialRegionColour(NumRegionDep[n]);
        if (name == "GeomiraR5.gif")
            colour = DepartementColours(raster);
        else if (name == "GeomiraR4.gif")
            colour = CompleteMapColours(raster, regionOf);

        // Every pixel of a département shows its colour, except under its number.
        for (int n = 1; n <= 96; ++n) {
            int own = 0, ink = 0;
            const auto& records = file(QStringLiteral("D%1.dat").arg(n));
            for (const PixelRecord& p : records) {
                const QRgb c = map.pixel(p.x, p.y);
                own += c == colour[n].rgb();
                ink += c == kNumberInk.rgb();
            }
            QVERIFY2(own + ink == int(records.size()), qPrintable(NomDep[n]));
            QVERIFY2(numbers ? ink > 0 || n == 75 || n == 92 || n == 93 || n == 94 : ink == 0, qPrintable(NomDep[n]));
            QVERIFY2(own >= int(records.size()) * 6 / 10, qPrintable(NomDep[n]));
        }
        // Neighbours differ where the map tells départements apart by colour.
        if (name == "GeomiraR5.gif")
            for (const auto& [pixel, n] : owner_)
                for (Pixel next : {Pixel{pixel.first + 2, pixel.second}, Pixel{pixel.first, pixel.second + 2}}) {
                    const auto it = owner_.find(next);
                    QVERIFY(it == owner_.end() || it->second == n || colour[it->second] != colour[n]);
                }
        // Around the country and in the margin: the background, or the enlarged view of Paris.
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                if (!raster.inside(x, y) || (!raster.isLand(x, y) && !kParisInset.adjusted(-1, -1, 1, 1).contains(x, y)))
                    QVERIFY2(map.pixel(x, y) == kSilver.rgb(), qPrintable(QString("%1,%2").arg(x).arg(y)));
        if (numbers) {
            int ink = 0;
            for (int y = kParisInset.top(); y <= kParisInset.bottom(); ++y)
                for (int x = kParisInset.left(); x <= kParisInset.right(); ++x)
                    ink += map.pixel(x, y) == kNumberInk.rgb();
            QVERIFY(ink > 4 * 20);  // the four numbers of Paris and its neighbours
        }
    }

    void thematicClassesFollowTheLegends()
    {
        // Figures from the tables, and the class each falls in.
        QCOMPARE(qRound(Figure(Statistic::Density1990, false, 1) * 10), 817);   // Ain
        QCOMPARE(qRound(Figure(Statistic::Density1999, false, 1) * 10), 894);
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
        for (bool regions : {false, true})
            for (int k = 0; k < 6; ++k) {
                const Statistic s = kStatistics[k];
                const QString name = QStringLiteral("D%1%2.gif").arg(regions ? 2 : 1).arg(QChar('a' + k));
                const QImage map = ReadPicture(appDir_ + '/' + name);
                QVERIFY2(map.size() == QSize(kMapWidth, kMapHeight), qPrintable(name));
                std::set<QRgb> used;
                for (int item = 1; item <= (regions ? 22 : 96); ++item) {
                    const QRgb expected = ClassColour(s, ClassOf(s, regions, Figure(s, regions, item))).rgb();
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
                        QVERIFY(used.count(c) || c == kSilver.rgb() || c == kThematicBorder.rgb());
                    }
            }
    }

    void regionPicturesAreDistinctCoatsOfArms()
    {
        std::vector<QImage> arms;
        for (const char* name : kArmsFiles) {
            const QImage picture = ReadPicture(appDir_ + '/' + name);  // the exact, case-sensitive name
            QVERIFY2(picture.size() == QSize(171, 114), name);
            // A shield in the middle, on a plain background.
            const QRgb background = picture.pixel(0, 0);
            QCOMPARE(picture.pixel(170, 113), background);
            int shield = 0;
            for (int y = 10; y < 100; ++y)
                shield += picture.pixel(85, y) != background;
            QVERIFY2(shield >= 80, name);
            QVERIFY2(std::find(arms.begin(), arms.end(), picture) == arms.end(), name);
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
        const auto u16 = [&](int at) { return qsizetype(qFromLittleEndian<quint16>(wav.constData() + at)); };
        const auto u32 = [&](int at) { return qsizetype(qFromLittleEndian<quint32>(wav.constData() + at)); };
        QCOMPARE(wav.mid(0, 4) + wav.mid(8, 8) + wav.mid(36, 4), QByteArray("RIFFWAVEfmt data"));  // the chunk tags
        QCOMPARE(u32(4), wav.size() - 8);
        QCOMPARE(u32(40), wav.size() - 44);
        // 16-bit PCM, with a block size and a byte rate that agree with it.
        QCOMPARE(u16(20), 1);
        QCOMPARE(u16(34), 16);
        QCOMPARE(u16(32), u16(22) * 2);
        QCOMPARE(u32(28), u32(24) * u16(32));
        const double seconds = double(u32(40)) / u32(28);
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
