#include "app/Crypte.h"
#include "platform/Conversions.h"

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>

using namespace platform;
using namespace Qt::StringLiterals;

class TestConversions : public QObject {
    Q_OBJECT
    QTemporaryDir locales;

private slots:
    void initTestCase()
    {
        // A comma locale, Qt's or the C library's, must not change the point the program writes and reads.
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        const QString francais = locales.filePath(u"fr_FR.UTF-8"_s);
        QCOMPARE(QProcess::execute(u"localedef"_s, {u"-i"_s, u"fr_FR"_s, u"-f"_s, u"UTF-8"_s, francais}), 0);
        qputenv("LOCPATH", QFile::encodeName(locales.path()));
        QVERIFY(std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"));
    }

    void numberToText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 640.0 << u" 640"_s;
        QTest::newRow("zero") << 0.0 << u" 0"_s;
        QTest::newRow("negative") << -3.0 << u"-3"_s;
        QTest::newRow("below one: no leading zero") << 0.5 << u" .5"_s;
        QTest::newRow("negative below one") << -0.25 << u"-.25"_s;
        QTest::newRow("no trailing zeros") << 66.5 << u" 66.5"_s;
        QTest::newRow("score percentage") << 66.67 << u" 66.67"_s;
        QTest::newRow("single precision: 7 digits") << 1.0 / 3.0 << u" .3333333"_s;
        QTest::newRow("single precision rounding") << 200.0 / 3.0 << u" 66.66666"_s;
        QTest::newRow("seven digit whole") << 1234567.0 << u" 1234567"_s;
        QTest::newRow("too many digits goes scientific") << 12345678.0 << u" 1.234568E+07"_s;
        QTest::newRow("tiny goes scientific") << 0.00000001 << u" 1E-08"_s;
    }
    void numberToText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Str(value), text);
    }

    void integersKeepEveryDigit()
    {
        QCOMPARE(Str(56615155LL), u" 56615155"_s);
        QCOMPARE(Str(-7), u"-7"_s);
        QCOMPARE(StrDouble(56615155.0), u" 56615155"_s);
    }

    void textToNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("seconds with blank") << u" 31"_s << 31.0;
        QTest::newRow("grouped population") << u"  471 019 "_s << 471019.0;
        QTest::newRow("blanks anywhere") << u"1 0 1 1 3 2 6"_s << 1011326.0;
        QTest::newRow("corsican number reads 2") << u"2B"_s << 2.0;
        QTest::newRow("no number") << u"abc"_s << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("point is the separator") << u"3.5x"_s << 3.5;
        QTest::newRow("comma stops") << u"1,5"_s << 1.0;
        QTest::newRow("leading point") << u".5"_s << 0.5;
        QTest::newRow("sign then blank") << u"- 4"_s << -4.0;
        QTest::newRow("exponent") << u"1E3"_s << 1000.0;
        QTest::newRow("letter after e is no exponent") << u"12ex"_s << 12.0;
        QTest::newRow("tabs and line feeds ignored") << u"\t1\n2"_s << 12.0;
    }
    void textToNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text), value);
    }

    void roundingHalfToEven()
    {
        QCOMPARE(CInt(2.5), int16_t(2));
        QCOMPARE(CInt(3.5), int16_t(4));
        QCOMPARE(CInt(-2.5), int16_t(-2));
        QCOMPARE(CInt(2.4999), int16_t(2));
        QCOMPARE(CInt(31.0), int16_t(31));
        bool ok = true;
        QCOMPARE(CInt(32767.4, &ok), int16_t(32767));
        QVERIFY(ok);
        CInt(32767.5, &ok);  // rounds to 32768: does not fit
        QVERIFY(!ok);
        CLng(40000.0, &ok);
        QVERIFY(ok);
        QCOMPARE(Round(200.0 / 3.0, 2), 66.67);
        QCOMPARE(Round(0.125, 2), 0.12);
        QCOMPARE(Round(0.135, 2), 0.14);
        QCOMPARE(Int(-0.5), -1.0);
    }

    void upperCaseKeepsAccentsAndLength()
    {
        QCOMPARE(UCase(u"Ardèche"_s), u"ARDÈCHE"_s);
        QCOMPARE(UCase(u"Côte d'Or"_s), u"CÔTE D'OR"_s);
        QCOMPARE(UCase(u"Saint-Lô éàùïç"_s), u"SAINT-LÔ ÉÀÙÏÇ"_s);
        QCOMPARE(UCase(u"ß"_s).size(), 1);
    }

    void groupedNumbers()
    {
        QCOMPARE(GroupedNumber(105, 6), u"   105"_s);
        QCOMPARE(GroupedNumber(10000, 6), u"10 000"_s);
        QCOMPARE(GroupedNumber(10660554, 10), u"10 660 554"_s);
        QCOMPARE(GroupedNumber(999), u"999"_s);
    }

    void crypteKeyPositions()
    {
        // Empty text.
        QCOMPARE(Crypte(QByteArray("274913"), QByteArray()), QByteArray());
        // A one-character key combines every character with it.
        QCOMPARE(Crypte(QByteArray("A"), QByteArray("\x01\x02\x03")), QByteArray("@CB"));
        // A 6-character key on 13 characters: positions 2,3,4,5,6,1,2,3,4,5,6,1,2.
        const QByteArray key("ABCDEF");
        const QByteArray zeros(13, '\0');
        QCOMPARE(Crypte(key, zeros), QByteArray("BCDEFABCDEFAB"));
        // A character equal to its key character gives code 0, which stays.
        const QByteArray result = Crypte(key, QByteArray("B"));
        QCOMPARE(result.size(), 1);
        QCOMPARE(result[0], '\0');
        QCOMPARE(PosCar, 2);  // the loop counter is kept after the call
    }

    void crypteTwiceRestores()
    {
        const QByteArray key(kCleValue);
        QCOMPARE(key.size(), 6);
        for (const QByteArray& text : {QByteArray("  150"), QByteArray("  483"), QByteArray(" 96"),
                                       QByteArray("\xff\x00\x7f", 3), QByteArray(300, 'x')}) {
            const QByteArray once = Crypte(key, text);
            QCOMPARE(once.size(), text.size());
            QCOMPARE(Crypte(key, once), text);
        }
        QCOMPARE(Crypte(QString::fromLatin1(kCleValue), QByteArray("abc")), Crypte(key, QByteArray("abc")));
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
