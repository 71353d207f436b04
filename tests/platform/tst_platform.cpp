#include "errore.h"
#include "platform/core/checked.h"
#include "platform/colour.h"
#include "platform/core/control_array.h"
#include "platform/core/currency.h"
#include "platform/guard.h"
#include "platform/core/numbers.h"
#include "platform/services.h"

#include <QSet>
#include <QTest>

#include <stdexcept>

using Call = std::function<void()>;

class TstPlatform : public QObject {
    Q_OBJECT
private slots:
    void currency_data();
    void currency();
    void conversions();
    void errors_data();
    void errors();
    void reseedingNeverRepeats();
    void untrappedErrorsReachTheBox();
};

void TstPlatform::currency_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("negative fraction") << "-2.5" << qint64(-25000);
    QTest::newRow("spaces around are read") << " 7 " << qint64(70000);
    QTest::newRow("largest") << "922337203685477.5807" << std::numeric_limits<qint64>::max();
}

void TstPlatform::currency()
{
    QFETCH(QString, text);
    QFETCH(qint64, raw);
    QCOMPARE(platform::Currency::fromText(text.toStdString()).raw(), raw);
}

void TstPlatform::conversions()
{
    QCOMPARE(platform::textToLong("2.5"), 2);
    QCOMPARE(platform::textToLong("3.5"), 4);
    QCOMPARE(platform::doubleToText(12.5), std::string("12.5"));
    QCOMPARE(platform::format(0, "#0"), std::string("0"));
    QCOMPARE(platform::format(32767, "###0"), std::string("32767"));
    QCOMPARE(platform::rgb(20, 125, 25), 0x00197D14u);
    QCOMPARE(platform::rgb(300, 0, 32000), 0x00FF00FFu);
}

void TstPlatform::errors_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<int>("error");
    QTest::newRow("32767 + 1 raises overflow") << Call([] { (void)platform::add16(32767, 1); }) << 6;
    QTest::newRow("656 x 50 raises overflow") << Call([] { (void)platform::mul16(656, 50); }) << 6;
    QTest::newRow("currency one past the largest")
        << Call([] { (void)platform::Currency::fromText("922337203685477.5808"); }) << 6;
    QTest::newRow("currency of two points") << Call([] { (void)platform::Currency::fromText("1.2.3"); }) << 13;
    QTest::newRow("currency of five decimals") << Call([] { (void)platform::Currency::fromText("0.00005"); }) << 13;
    QTest::newRow("currency difference out of range")
        << Call([] { (void)(platform::Currency::fromRaw(INT64_MIN) - platform::Currency::fromRaw(1)); }) << 6;
    QTest::newRow("32767.5 rounds out of 16 bits") << Call([] { (void)platform::round16(32767.5); }) << 6;
    QTest::newRow("a word is no number") << Call([] { (void)platform::textToDouble("sette"); }) << 13;
    QTest::newRow("remainder by zero") << Call([] { (void)platform::mod32(5, 0); }) << 11;
    QTest::newRow("missing array element") << Call([] { platform::ControlArray<int>()(0); }) << 9;
}

void TstPlatform::errors()
{
    QFETCH(Call, call);
    QFETCH(int, error);
    QCOMPARE(errore(call), error);
}

void TstPlatform::reseedingNeverRepeats()
{
    // A seed of whole seconds would give the same number every time here.
    QSet<int> drawn;
    for (int i = 0; i < 200; ++i) {
        platform::randomize();
        const double r = platform::rnd();
        QVERIFY(r >= 0 && r < 1);
        drawn.insert(int(r * 31) + 1);
    }
    QVERIFY2(drawn.size() > 20, qPrintable(QString::number(drawn.size())));
}

void TstPlatform::untrappedErrorsReachTheBox()
{
    QStringList shown;
    platform::services().msgBox = [&](const QString& prompt, int, const QString& title) {
        shown << prompt << title;
        return int(platform::ReplyOk);
    };
    platform::guarded([] { platform::raise(platform::RuntimeError::Overflow); });
    platform::guarded([] { throw std::length_error("x"); });
    QCOMPARE(shown, (QStringList{"Errore di run-time '6':\n\nOverflow", "Contaperle",
                                 "Errore di run-time '51':\n\nInternal error", "Contaperle"}));
    platform::services() = platform::defaultServices();
}

QTEST_GUILESS_MAIN(TstPlatform)
#include "tst_platform.moc"
