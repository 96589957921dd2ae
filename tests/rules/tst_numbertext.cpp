// Numbers read from texts and written as texts, as the counter, the clock
// and the dialogs use them.
#include "numbertext.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <string>

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void textToNumber_data();
    void textToNumber();
    void hugeAndTinyNumbers_data();
    void hugeAndTinyNumbers();
    void numberToText_data();
    void numberToText();
    void roundTripOfCounterValues();
    void truncateToInt16_data();
    void truncateToInt16();
    void tolerance_data();
    void tolerance();
};

void NumberTextTest::textToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("whole") << "12" << 12.0;
    QTest::newRow("leading blanks") << "  \t\r\n12" << 12.0;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("second number ignored") << "12 34" << 12.0;
    QTest::newRow("thousands separator ends it") << "1,000" << 1.0;
    QTest::newRow("best-time record") << "999秒;佚名" << 999.0;
    QTest::newRow("plus") << "+5" << 5.0;
    QTest::newRow("minus") << "-5" << -5.0;
    QTest::newRow("blank after sign") << "- 5" << 0.0;
    QTest::newRow("two signs") << "+-5" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("fraction") << "3.75" << 3.75;
    QTest::newRow("fraction without whole part") << ".5" << 0.5;
    QTest::newRow("negative fraction") << "-.5" << -0.5;
    QTest::newRow("point without fraction") << "5." << 5.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("capital exponent") << "1E3" << 1000.0;
    QTest::newRow("negative exponent") << "2.5e-1" << 0.25;
    QTest::newRow("signed exponent") << "1e+2" << 100.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::newRow("exponent then letter") << "7ex" << 7.0;
    QTest::newRow("full-width digits") << "１２３" << 123.0;
    QTest::newRow("full-width sign and point") << "－１．５" << -1.5;
    QTest::newRow("full-width exponent") << "１ｅ２" << 100.0;
    QTest::newRow("full-width mixed with ASCII") << "1２.５" << 12.5;
    QTest::newRow("ideographic space is no blank") << "　5" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("letter first") << "x1" << 0.0;
    QTest::newRow("Chinese first") << "秒9" << 0.0;
    QTest::newRow("inf") << "inf" << 0.0;
    QTest::newRow("INFINITY") << "INFINITY" << 0.0;
    QTest::newRow("signed inf") << "-inf" << 0.0;
    QTest::newRow("nan") << "nan" << 0.0;
    QTest::newRow("NAN(1)") << "NAN(1)" << 0.0;
    QTest::newRow("hex") << "0x10" << 0.0;
    QTest::newRow("hex with fraction") << "0x1.8p1" << 0.0;
    QTest::newRow("leading zeros are decimal") << "010" << 10.0;
}

void NumberTextTest::textToNumber()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    const double read = ::textToNumber(text.toStdString());
    QCOMPARE(read, number);
    QVERIFY(!std::signbit(read) || number < 0);
}

void NumberTextTest::hugeAndTinyNumbers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("number");

    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("1e999") << QByteArray("1e999") << infinity;
    QTest::newRow("-1e999") << QByteArray("-1e999") << -infinity;
    QTest::newRow("1e-999") << QByteArray("1e-999") << 0.0;
    QTest::newRow("exponent with many digits") << QByteArray("1e99999999999999999999999") << infinity;
    QTest::newRow("tiny exponent with many digits") << QByteArray("5e-99999999999999999999999") << 0.0;
    QTest::newRow("zero with huge exponent") << QByteArray("0e999999") << 0.0;
    QTest::newRow("400 digits") << QByteArray(400, '9') << infinity;
    QTest::newRow("400 digits after the point")
        << QByteArray("0.") + QByteArray(399, '0') + QByteArray("1") << 0.0;
    QTest::newRow("large fraction times tiny exponent") << QByteArray("1") + QByteArray(300, '0') + "e-300"
                                                        << 1.0;
    QTest::newRow("largest double") << QByteArray("1.7976931348623157e308") << std::numeric_limits<double>::max();
    QTest::newRow("just beyond") << QByteArray("1.8e308") << infinity;
    QTest::newRow("cut UTF-8 after a number") << QByteArray("5\xEF\xBC") << 5.0;
    QTest::newRow("cut UTF-8 alone") << QByteArray("\xEF") << 0.0;
    QTest::newRow("invalid UTF-8 first") << QByteArray("\xFF" "7") << 0.0;
}

void NumberTextTest::hugeAndTinyNumbers()
{
    QFETCH(QByteArray, text);
    QFETCH(double, number);
    QCOMPARE(::textToNumber(std::string_view(text.constData(), std::size_t(text.size()))), number);
}

void NumberTextTest::numberToText_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("ten") << 10.0 << "10";
    QTest::newRow("minus two") << -2.0 << "-2";
    QTest::newRow("999") << 999.0 << "999";
    QTest::newRow("beyond 999") << 1000.0 << "1000";
    QTest::newRow("32768") << 32768.0 << "32768";
    QTest::newRow("thirteen digits") << 1234567890123.0 << "1234567890123";
    QTest::newRow("fourteen digits") << 12345678901234.0 << "1.234567890123e+13";
    QTest::newRow("ten to the thirteen") << 1e13 << "1e+13";
    QTest::newRow("half") << 0.5 << "0.5";
    QTest::newRow("third") << 1.0 / 3.0 << "0.3333333333333";
    QTest::newRow("small") << 0.0001 << "0.0001";
    QTest::newRow("smaller") << 0.00001 << "1e-05";
}

void NumberTextTest::numberToText()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(::numberToText(number)), text);
}

void NumberTextTest::roundTripOfCounterValues()
{
    // Counter and clock read their own texts back: every value they can reach survives.
    for (int n = -500; n <= 5000; ++n) {
        const std::string text = ::numberToText(n);
        QCOMPARE(::textToNumber(text), double(n));
    }
}

void NumberTextTest::truncateToInt16_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("result");

    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("fraction up") << 3.9 << 3;
    QTest::newRow("fraction down") << -3.9 << -3;
    QTest::newRow("small negative") << -0.5 << 0;
    QTest::newRow("largest") << 32767.0 << 32767;
    QTest::newRow("largest with fraction") << 32767.9 << 32767;
    QTest::newRow("smallest") << -32768.0 << -32768;
    QTest::newRow("smallest with fraction") << -32768.9 << -32768;
    QTest::newRow("too large") << 40000.0 << 32767;
    QTest::newRow("too small") << -40000.0 << -32768;
    QTest::newRow("huge") << 1e300 << 32767;
    QTest::newRow("infinity") << infinity << 32767;
    QTest::newRow("minus infinity") << -infinity << -32768;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void NumberTextTest::truncateToInt16()
{
    QFETCH(double, number);
    QFETCH(int, result);
    QCOMPARE(int(::truncateToInt16(number)), result);
}

void NumberTextTest::tolerance_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("equal");
    QTest::addColumn<bool>("greater");
    QTest::addColumn<bool>("less");

    QTest::newRow("same") << 5.0 << 5.0 << true << false << false;
    QTest::newRow("within the tolerance above") << 5.00000005 << 5.0 << true << false << false;
    QTest::newRow("within the tolerance below") << 4.99999995 << 5.0 << true << false << false;
    QTest::newRow("beyond it above") << 5.0000002 << 5.0 << false << true << false;
    QTest::newRow("beyond it below") << 4.9999998 << 5.0 << false << false << true;
    QTest::newRow("one second apart") << 10.0 << 11.0 << false << false << true;
}

void NumberTextTest::tolerance()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, equal);
    QFETCH(bool, greater);
    QFETCH(bool, less);
    QCOMPARE(numbersEqual(a, b), equal);
    QCOMPARE(numberGreater(a, b), greater);
    QCOMPARE(numberLess(a, b), less);
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
