#include "quiz/Tables.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTables : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RemplitTables(); }

    void corsicanIndexes()
    {
        QCOMPARE(NomDep[20], u"Haute Corse"_s);
        QCOMPARE(NumeroDep(20), u"2B"_s);
        QCOMPARE(NumRegionDep[20], int16_t(8));
        QCOMPARE(NomDep[96], u"Corse du Sud"_s);
        QCOMPARE(NumeroDep(96), u"2A"_s);
        QCOMPARE(NumRegionDep[96], int16_t(8));
        QCOMPARE(NumeroDep(1), u"1"_s);
        QCOMPARE(NumeroDep(95), u"95"_s);
    }

    void regionOrderAndNames()
    {
        QCOMPARE(NomRegion[1], u"Alsace"_s);
        QCOMPARE(NomRegion[15], u"Nord-Pas de Calais"_s);
        QCOMPARE(NomRegion[16], u"Basse Normandie"_s);
        QCOMPARE(NomRegion[17], u"Haute Normandie"_s);
        QCOMPARE(NomRegion[18], u"Pays de la Loire"_s);
        QCOMPARE(NomRegion[22], u"Rhône-Alpes"_s);
        QCOMPARE(PrefDep[39], u"Lons Le Saunier"_s);
        QCOMPARE(PrefDep[55], u"Bar Le Duc"_s);
    }

    void everyDepartementBelongsToItsRegion()
    {
        const int expectedCounts[23] = {0, 2, 5, 4, 4, 4, 6, 4, 2, 4, 8, 5, 3, 4, 8, 2, 3, 2, 5, 3, 4, 6, 8};
        for (int r = 1; r <= 22; ++r) {
            int count = 0;
            bool prefectureFound = false;
            for (int i = 1; i <= 96; ++i) {
                if (RegionDep[i] == NomRegion[r]) {
                    ++count;
                    prefectureFound = prefectureFound || PrefDep[i] == PrefRegion[r];
                }
            }
            QVERIFY2(count == expectedCounts[r], qPrintable(NomRegion[r]));
            QVERIFY2(prefectureFound, qPrintable(PrefRegion[r]));
        }
        for (int i = 1; i <= 96; ++i)
            QCOMPARE(RegionDep[i], NomRegion[NumRegionDep[i]]);
        QCOMPARE(RegionDep[1], u"Rhône-Alpes"_s);
        QCOMPARE(RegionDep[69], u"Rhône-Alpes"_s);
    }

    void figureTextsHaveFixedWidths()
    {
        const QRegularExpression digits(u"^[0-9]+$"_s);
        auto check = [&](const QString& text, int width, const QString& unit) {
            QVERIFY2(text.size() == width, qPrintable(text));
            QVERIFY2(text.endsWith(unit), qPrintable(text));
            QString number = text.left(text.size() - 3);
            QVERIFY2(digits.match(number.remove(u' ')).hasMatch(), qPrintable(text));
        };
        for (int i = 1; i <= 96; ++i) {
            check(SuperfDep[i], 10, u"km²"_s);
            check(Pop90Dep[i], 13, u"hab"_s);
            check(Pop99Dep[i], 13, u"hab"_s);
        }
        for (int r = 1; r <= 22; ++r) {
            check(SuperfRegion[r], 10, u"km²"_s);
            check(Pop90Region[r], 14, u"hab"_s);
            check(Pop99Region[r], 14, u"hab"_s);
        }
        QCOMPARE(SuperfDep[1], u" 5 762 km²"_s);
        QCOMPARE(SuperfDep[33], u"10 000 km²"_s);
        QCOMPARE(SuperfDep[75], u"   105 km²"_s);
        QCOMPARE(Pop90Dep[1], u"  471 019 hab"_s);
        QCOMPARE(Pop99Dep[6], u"1 011 326 hab"_s);
        QCOMPARE(Pop90Dep[48], u"   72 825 hab"_s);
        QCOMPARE(Pop90Region[1], u" 1 624 372 hab"_s);
        QCOMPARE(Pop90Region[10], u"10 660 554 hab"_s);
        QCOMPARE(Pop90Region[8], u"   250 371 hab"_s);
        QCOMPARE(ValeurFigure(SuperfDep[1]), 5762.0);
        QCOMPARE(ValeurFigure(Pop90Dep[1]), 471019.0);
        // Texts of one kind order as their numbers.
        QVERIFY(Pop90Dep[48] < Pop90Dep[1]);
        QVERIFY(Pop99Dep[6] > Pop90Dep[1]);
    }

    void totalsAddUp()
    {
        double pop90 = 0, pop99 = 0;
        double regionArea[23] = {}, regionPop90[23] = {}, regionPop99[23] = {};
        for (int i = 1; i <= 96; ++i) {
            pop90 += ValeurFigure(Pop90Dep[i]);
            pop99 += ValeurFigure(Pop99Dep[i]);
            regionArea[NumRegionDep[i]] += ValeurFigure(SuperfDep[i]);
            regionPop90[NumRegionDep[i]] += ValeurFigure(Pop90Dep[i]);
            regionPop99[NumRegionDep[i]] += ValeurFigure(Pop99Dep[i]);
        }
        QCOMPARE(pop90, 56615155.0);
        QCOMPARE(pop99, 58518395.0);
        double regions90 = 0, regions99 = 0;
        for (int r = 1; r <= 22; ++r) {
            regions90 += ValeurFigure(Pop90Region[r]);
            regions99 += ValeurFigure(Pop99Region[r]);
            QCOMPARE(ValeurFigure(Pop90Region[r]), regionPop90[r]);
            QCOMPARE(ValeurFigure(Pop99Region[r]), regionPop99[r]);
            // Stored areas: the sum of the départements, but 1 km² less for Centre and Lorraine.
            const double correction = (r == 6 || r == 13) ? 1 : 0;
            QVERIFY2(ValeurFigure(SuperfRegion[r]) == regionArea[r] - correction, qPrintable(NomRegion[r]));
        }
        QCOMPARE(regions90, pop90);
        QCOMPARE(regions99, pop99);
    }

    void unfilledEntriesAndRefill()
    {
        QVERIFY(NomDep[0].isEmpty());
        QVERIFY(NomDep[97].isEmpty());
        QVERIFY(NomRegion[0].isEmpty());
        QVERIFY(NomRegion[23].isEmpty());
        QCOMPARE(NumRegionDep[0], int16_t(0));
        QCOMPARE(NumRegionDep[97], int16_t(0));
        const auto before = NomDep;
        const auto superf = SuperfRegion;
        RemplitTables();
        QCOMPARE(NomDep, before);
        QCOMPARE(SuperfRegion, superf);
    }
};

QTEST_GUILESS_MAIN(TestTables)
#include "tst_tables.moc"
