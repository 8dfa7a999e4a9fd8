#include "quiz/Tables.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTables : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RemplitTables(); }

    void figureTextsHaveFixedWidths()
    {
        // Right-aligned digits in groups of three, then the unit: texts of one kind order as their numbers.
        auto check = [](const QString& text, int width, const QString& unit) {
            const QRegularExpression figure(u"^ *[0-9]{1,3}( [0-9]{3})* "_s + unit + u"$"_s);
            QVERIFY2(text.size() == width && figure.match(text).hasMatch(), qPrintable(text));
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
        QCOMPARE(ValeurFigure(Pop90Region[10]), 10660554.0);
    }

    void regionsAddUp()
    {
        // A région: the sum of its départements' figures (its stored area 1 km² less for Centre and
        // Lorraine), its préfecture one of theirs; France: the census totals.
        double pop90 = 0, pop99 = 0;
        double area[23] = {}, region90[23] = {}, region99[23] = {};
        QStringList prefectures[23];
        for (int i = 1; i <= 96; ++i) {
            const int r = NumRegionDep[i];
            pop90 += ValeurFigure(Pop90Dep[i]);
            pop99 += ValeurFigure(Pop99Dep[i]);
            area[r] += ValeurFigure(SuperfDep[i]);
            region90[r] += ValeurFigure(Pop90Dep[i]);
            region99[r] += ValeurFigure(Pop99Dep[i]);
            prefectures[r] << PrefDep[i];
        }
        QCOMPARE(pop90, 56615155.0);
        QCOMPARE(pop99, 58518395.0);
        for (int r = 1; r <= 22; ++r) {
            const double correction = (r == 6 || r == 13) ? 1 : 0;
            QVERIFY2(ValeurFigure(SuperfRegion[r]) == area[r] - correction, qPrintable(NomRegion[r]));
            QCOMPARE(ValeurFigure(Pop90Region[r]), region90[r]);
            QCOMPARE(ValeurFigure(Pop99Region[r]), region99[r]);
            QVERIFY2(prefectures[r].contains(PrefRegion[r]), qPrintable(PrefRegion[r]));
        }
    }

    void unfilledEntriesAndRefill()
    {
        QVERIFY(NomDep[0].isEmpty() && NomDep[97].isEmpty() && NumRegionDep[97] == 0);
        QVERIFY(NomRegion[0].isEmpty() && NomRegion[23].isEmpty());
        const auto noms = NomDep;
        const auto superficies = SuperfRegion;
        RemplitTables();
        QCOMPARE(NomDep, noms);
        QCOMPARE(SuperfRegion, superficies);
    }
};

QTEST_GUILESS_MAIN(TestTables)
#include "tst_tables.moc"
