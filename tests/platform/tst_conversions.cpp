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

    // Each conversion, worked out in the table, against the text the program must show.
    void conversions_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QString& actual, const QString& expected) {
            QTest::newRow(name) << actual << expected;
        };
        row("whole", Str(640.0), u" 640"_s);
        row("zero", Str(0.0), u" 0"_s);
        row("negative", Str(-3.0), u"-3"_s);
        row("below one: no leading zero", Str(0.5), u" .5"_s);
        row("negative below one", Str(-0.25), u"-.25"_s);
        row("no trailing zeros", Str(66.5), u" 66.5"_s);
        row("score percentage", Str(66.67), u" 66.67"_s);
        row("single precision: 7 digits", Str(1.0 / 3.0), u" .3333333"_s);
        row("single precision rounding", Str(200.0 / 3.0), u" 66.66666"_s);
        row("seven digit whole", Str(1234567.0), u" 1234567"_s);
        row("too many digits goes scientific", Str(12345678.0), u" 1.234568E+07"_s);
        row("tiny goes scientific", Str(0.00000001), u" 1E-08"_s);
        row("integers keep every digit", Str(56615155LL), u" 56615155"_s);
        row("negative int", Str(-7), u"-7"_s);
        row("double precision", StrDouble(56615155.0), u" 56615155"_s);
        const auto number = [](double value) { return QString::number(value, 'g', 15); };
        row("half to even, down", number(CInt(2.5)), u"2"_s);
        row("half to even, up", number(CInt(3.5)), u"4"_s);
        row("half to even, negative", number(CInt(-2.5)), u"-2"_s);
        row("below half", number(CInt(2.4999)), u"2"_s);
        row("whole stays", number(CInt(31.0)), u"31"_s);
        // A conversion to 16 or 32 bits that does not fit says so.
        const auto fitted = [](auto convert, double value) {
            bool ok = false;
            const auto converted = convert(value, &ok);
            return ok ? QString::number(converted) : u"overflow"_s;
        };
        row("largest integer", fitted(CInt, 32767.4), u"32767"_s);
        row("rounds past the largest integer", fitted(CInt, 32767.5), u"overflow"_s);
        row("long integer", fitted(CLng, 40000.0), u"40000"_s);
        row("two decimals", number(Round(200.0 / 3.0, 2)), u"66.67"_s);
        row("decimal half to even, down", number(Round(0.125, 2)), u"0.12"_s);
        row("decimal half to even, up", number(Round(0.135, 2)), u"0.14"_s);
        row("decimal half read from the shortest text", number(Round(1.015, 2)), u"1.02"_s);
        row("Int rounds down", number(Int(-0.5)), u"-1"_s);
        row("accents kept", UCase(u"Ardèche, Côte d'Or, Saint-Lô éàùïç"_s), u"ARDÈCHE, CÔTE D'OR, SAINT-LÔ ÉÀÙÏÇ"_s);
        row("length kept", number(UCase(u"ß"_s).size()), u"1"_s);
        row("grouped, padded", GroupedNumber(105, 6), u"   105"_s);
        row("grouped thousands", GroupedNumber(10000, 6), u"10 000"_s);
        row("grouped millions", GroupedNumber(10660554, 10), u"10 660 554"_s);
        row("grouped, no width", GroupedNumber(999), u"999"_s);
        // Text to number.
        row("seconds with blank", number(Val(u" 31"_s)), u"31"_s);
        row("grouped population", number(Val(u"  471 019 "_s)), u"471019"_s);
        row("blanks anywhere", number(Val(u"1 0 1 1 3 2 6"_s)), u"1011326"_s);
        row("corsican number reads 2", number(Val(u"2B"_s)), u"2"_s);
        row("no number", number(Val(u"abc"_s)), u"0"_s);
        row("empty", number(Val(QString())), u"0"_s);
        row("point is the separator", number(Val(u"3.5x"_s)), u"3.5"_s);
        row("comma stops", number(Val(u"1,5"_s)), u"1"_s);
        row("leading point", number(Val(u".5"_s)), u"0.5"_s);
        row("sign then blank", number(Val(u"- 4"_s)), u"-4"_s);
        row("exponent", number(Val(u"1E3"_s)), u"1000"_s);
        row("letter after e is no exponent", number(Val(u"12ex"_s)), u"12"_s);
        row("tabs and line feeds ignored", number(Val(u"\t1\n2"_s)), u"12"_s);
    }
    void conversions()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    // Character i (from 1) pairs with key character (i mod key length) + 1; applied twice, it restores the text.
    void crypte()
    {
        QCOMPARE(Crypte(QByteArray("274913"), QByteArray()), QByteArray());
        QCOMPARE(Crypte(QByteArray("A"), QByteArray("\x01\x02\x03")), QByteArray("@CB"));
        // A 6-character key on 13 characters: positions 2,3,4,5,6,1,2,3,4,5,6,1,2.
        QCOMPARE(Crypte(QByteArray("ABCDEF"), QByteArray(13, '\0')), QByteArray("BCDEFABCDEFAB"));
        // A character equal to its key character gives code 0, which stays.
        QCOMPARE(Crypte(QByteArray("ABCDEF"), QByteArray("B")), QByteArray(1, '\0'));
        QCOMPARE(PosCar, 2);  // the loop counter is kept after the call
        for (const QByteArray& text : {QByteArray("  150"), QByteArray(" 96"), QByteArray("\xff\x00\x7f", 3), QByteArray(300, 'x')})
            QCOMPARE(Crypte(QString::fromLatin1(kCleValue), Crypte(QByteArray(kCleValue), text)), text);
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
