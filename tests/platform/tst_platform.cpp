#include "platform/checked.h"
#include "platform/colour.h"
#include "platform/control_array.h"
#include "platform/currency.h"
#include "platform/guard.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "platform/services.h"

#include <QSet>
#include <QTest>

#include <stdexcept>

using platform::Currency;
using platform::RuntimeError;

// Runs a call that must fail and returns the error number, or 0.
template <typename Call>
int errore(Call call)
{
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

class TstPlatform : public QObject {
    Q_OBJECT
private slots:
    void checked_data();
    void checked();
    void currencyFromText_data();
    void currencyFromText();
    void currencyErrors_data();
    void currencyErrors();
    void currencyArithmetic();
    void conversions();
    void conversionErrors_data();
    void conversionErrors();
    void masks_data();
    void masks();
    void colour_data();
    void colour();
    void reseedingNeverRepeats();
    void timeAndDateFollowTheLocale();
    void untrappedErrorsReachTheBox_data();
    void untrappedErrorsReachTheBox();
    void controlArrayBounds();
};

void TstPlatform::checked_data()
{
    QTest::addColumn<bool>("multiply");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("result"); // 0 with error below
    QTest::addColumn<int>("error");
    QTest::newRow("32766 + 1 is the top") << false << 32766 << 1 << 32767 << 0;
    QTest::newRow("32767 + 1 raises overflow") << false << 32767 << 1 << 0 << 6;
    QTest::newRow("-32768 + -1 raises overflow") << false << -32768 << -1 << 0 << 6;
    QTest::newRow("-32768 + 32767 fits") << false << -32768 << 32767 << -1 << 0;
    QTest::newRow("654 x 50 fits") << true << 654 << 50 << 32700 << 0;
    QTest::newRow("656 x 50 raises overflow") << true << 656 << 50 << 0 << 6;
    QTest::newRow("-1 x -32768 raises overflow") << true << -1 << -32768 << 0 << 6;
}

void TstPlatform::checked()
{
    QFETCH(bool, multiply);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, result);
    QFETCH(int, error);
    std::int16_t target = 99;
    const auto call = [&] {
        const auto x = static_cast<std::int16_t>(a), y = static_cast<std::int16_t>(b);
        target = multiply ? platform::mul16(x, y) : platform::add16(x, y);
    };
    QCOMPARE(errore(call), error);
    QCOMPARE(int(target), error ? 99 : result);
}

void TstPlatform::currencyFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("whole") << "13" << qint64(130000);
    QTest::newRow("spaces around") << " 7 " << qint64(70000);
    QTest::newRow("negative fraction") << "-2.5" << qint64(-25000);
    QTest::newRow("fifth decimal half rounds to even, down") << "0.00005" << qint64(0);
    QTest::newRow("fifth decimal half rounds to even, up") << "0.00015" << qint64(2);
    QTest::newRow("just past half rounds up") << "0.000050001" << qint64(1);
    QTest::newRow("largest") << "922337203685477.5807" << qint64(9223372036854775807LL);
    QTest::newRow("smallest") << "-922337203685477.5808" << qint64(-9223372036854775807LL - 1);
}

void TstPlatform::currencyFromText()
{
    QFETCH(QString, text);
    QFETCH(qint64, raw);
    QCOMPARE(Currency::fromText(text.toStdString()).raw(), raw);
}

void TstPlatform::currencyErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("error");
    QTest::newRow("one past the largest raises overflow") << "922337203685477.5808" << 6;
    QTest::newRow("rounding past the largest raises overflow") << "922337203685477.58075" << 6;
    QTest::newRow("empty is a type mismatch") << "" << 13;
    QTest::newRow("letters are a type mismatch") << "abc" << 13;
    QTest::newRow("two points are a type mismatch") << "1.2.3" << 13;
    QTest::newRow("inner space is a type mismatch") << "1 2" << 13;
}

void TstPlatform::currencyErrors()
{
    QFETCH(QString, text);
    QFETCH(int, error);
    QCOMPARE(errore([&] { Currency::fromText(text.toStdString()); }), error);
}

void TstPlatform::currencyArithmetic()
{
    // The double keeps the decimal value, not the raw integer past 2^53.
    const Currency quasi = Currency::fromText("999999999999.9999");
    QCOMPARE(platform::floor(quasi.toDouble()), 999999999999.0);
    QCOMPARE((quasi - Currency::fromDouble(999999999999.0)).raw(), qint64(9999));
    QCOMPARE(Currency::fromDouble(12.34565).raw(), qint64(123456));
    const Currency minimo = Currency::fromRaw(std::numeric_limits<std::int64_t>::min());
    QCOMPARE(errore([&] { (void)(minimo - Currency::fromRaw(1)); }), 6);
    QCOMPARE(errore([] { Currency::fromDouble(1e15); }), 6);
}

void TstPlatform::conversions()
{
    QCOMPARE(platform::textToLong("13"), 13);
    QCOMPARE(platform::textToLong("2.5"), 2);
    QCOMPARE(platform::textToLong("3.5"), 4);
    QCOMPARE(platform::textToDouble(" -12.5 "), -12.5);
    QCOMPARE(platform::doubleToText(0.0), std::string("0"));
    QCOMPARE(platform::doubleToText(-0.0), std::string("0"));
    QCOMPARE(platform::doubleToText(1.0), std::string("1"));
    QCOMPARE(platform::doubleToText(12.5), std::string("12.5"));
    QCOMPARE(platform::doubleToText(0.1), std::string("0.1"));
    QCOMPARE(int(platform::round16(32766.5)), 32766);
    QCOMPARE(int(platform::round16(-0.5)), 0);
    QCOMPARE(platform::mod32(-7, 2), -1);
    QCOMPARE(platform::mod32(7, -2), 1);
    QCOMPARE(platform::floor(-0.001), -1.0);
}

void TstPlatform::conversionErrors_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<std::function<void()>>("call");
    QTest::newRow("32767.5 rounds out of 16 bits") << 6 << std::function<void()>([] { platform::round16(32767.5); });
    QTest::newRow("2^31 is past 32 bits") << 6 << std::function<void()>([] { platform::textToLong("2147483648"); });
    QTest::newRow("a word is no number") << 13 << std::function<void()>([] { platform::textToDouble("sette"); });
    QTest::newRow("blank is no number") << 13 << std::function<void()>([] { platform::textToLong("  "); });
    QTest::newRow("remainder by zero") << 11 << std::function<void()>([] { platform::mod32(5, 0); });
    QTest::newRow("unknown mask") << 13 << std::function<void()>([] { platform::format(5, "00"); });
}

void TstPlatform::conversionErrors()
{
    QFETCH(int, error);
    QFETCH(std::function<void()>, call);
    QCOMPARE(errore(call), error);
}

void TstPlatform::masks_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero shows one digit") << qint64(0) << "#0" << "0";
    QTest::newRow("31 with #0") << qint64(31) << "#0" << "31";
    QTest::newRow("five digits overflow the ###0 mask's width") << qint64(32767) << "###0" << "32767";
    QTest::newRow("no grouping in ####0") << qint64(12345) << "####0" << "12345";
}

void TstPlatform::masks()
{
    QFETCH(qint64, value);
    QFETCH(QString, mask);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(platform::format(value, mask.toStdString())), text);
}

void TstPlatform::colour_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<uint>("colour");
    QTest::newRow("red in the lowest byte") << 20 << 125 << 25 << 0x00197D14u;
    QTest::newRow("components above 255 count as 255") << 300 << 0 << 32000 << 0x00FF00FFu;
}

void TstPlatform::colour()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(uint, colour);
    QCOMPARE(platform::rgb(red, green, blue), colour);
    QCOMPARE(platform::toQColor(colour), QColor(std::min(red, 255), std::min(green, 255), std::min(blue, 255)));
}

void TstPlatform::reseedingNeverRepeats()
{
    // A seed of whole seconds would give the same number every time here.
    QSet<int> drawn;
    for (int i = 0; i < 200; ++i) {
        platform::randomize();
        const double r = platform::rnd();
        QVERIFY(r >= 0 && r < 1);
        drawn.insert(int(platform::floor(r * 31)) + 1);
    }
    QVERIFY2(drawn.size() > 20, qPrintable(QString::number(drawn.size())));
}

void TstPlatform::timeAndDateFollowTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QDateTime when(QDate(2026, 12, 6), QTime(9, 5, 30));
    QCOMPARE(platform::timeText(when), QStringLiteral("09:05"));
    QCOMPARE(platform::dateText(when), QStringLiteral("06/12/26"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(platform::dateText(when), QStringLiteral("12/6/26"));
}

void TstPlatform::untrappedErrorsReachTheBox_data()
{
    QTest::addColumn<std::function<void()>>("handler");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("overflow") << std::function<void()>([] { platform::raise(RuntimeError::Overflow); })
                              << "Errore di run-time '6':\n\nOverflow";
    QTest::newRow("subscript") << std::function<void()>([] { platform::raise(RuntimeError::SubscriptOutOfRange); })
                               << "Errore di run-time '9':\n\nSubscript out of range";
    QTest::newRow("foreign exception") << std::function<void()>([] { throw std::length_error("x"); })
                                       << "Errore di run-time '51':\n\nInternal error";
}

void TstPlatform::untrappedErrorsReachTheBox()
{
    QFETCH(std::function<void()>, handler);
    QFETCH(QString, prompt);
    QStringList shown;
    platform::services().msgBox = [&](const QString& p, int, const QString& title) {
        shown << p << title;
        return int(platform::ReplyOk);
    };
    platform::guarded(handler);
    QCOMPARE(shown, (QStringList{prompt, QStringLiteral("Contaperle")}));
    platform::services() = platform::defaultServices();
}

void TstPlatform::controlArrayBounds()
{
    int one = 1;
    platform::ControlArray<int> array;
    array.add(1, &one);
    QCOMPARE(array(1), 1);
    QCOMPARE(errore([&] { array(0); }), 9);
}

QTEST_GUILESS_MAIN(TstPlatform)
#include "tst_platform.moc"
