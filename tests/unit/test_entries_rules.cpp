// The widget-free rules behind the entry fields and the entry grid: which
// texts are numbers in a locale, what they read as, and how stored amounts
// are shown.
#include "entries/EntryNumberText.h"

#include <QtTest>

using namespace quorvel::entries;

Q_DECLARE_METATYPE(quorvel::entries::NumberTextState)

namespace {

QLocale localeNamed(const QString& name)
{
    return QLocale(name);
}

}  // namespace

class TestEntriesRules : public QObject {
    Q_OBJECT

private slots:
    // What a price or share field lets through, and what it reads.
    void quantityText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<NumberTextState>("state");
        QTest::addColumn<QString>("normalized");  // empty unless acceptable

        using S = NumberTextState;
        QTest::newRow("us plain") << "en_US" << "1234.5" << S::Acceptable << "1234.5";
        QTest::newRow("us grouped") << "en_US" << "1,234,567.12345" << S::Acceptable << "1234567.12345";
        QTest::newRow("us leading point") << "en_US" << ".5" << S::Acceptable << "0.5";
        QTest::newRow("us trailing point") << "en_US" << "7." << S::Acceptable << "7";
        QTest::newRow("us empty") << "en_US" << "" << S::Intermediate << "";
        QTest::newRow("us point alone") << "en_US" << "." << S::Intermediate << "";
        QTest::newRow("us group being typed") << "en_US" << "1,23" << S::Intermediate << "";
        QTest::newRow("us comma as decimal") << "en_US" << "1,5" << S::Intermediate << "";
        QTest::newRow("us letter") << "en_US" << "12a" << S::Invalid << "";
        QTest::newRow("us minus") << "en_US" << "-1" << S::Invalid << "";
        QTest::newRow("us blank") << "en_US" << "1 000" << S::Invalid << "";
        QTest::newRow("us two points") << "en_US" << "1.2.3" << S::Invalid << "";
        QTest::newRow("us group after point") << "en_US" << "1.234,5" << S::Invalid << "";
        QTest::newRow("us six decimals") << "en_US" << "1.123456" << S::Invalid << "";
        QTest::newRow("us ten digits") << "en_US" << "1234567890" << S::Invalid << "";
        QTest::newRow("us nine digits") << "en_US" << "123456789" << S::Acceptable << "123456789";
        QTest::newRow("de grouped") << "de_DE" << "1.234,5" << S::Acceptable << "1234.5";
        QTest::newRow("de decimal comma") << "de_DE" << "0,125" << S::Acceptable << "0.125";
        // A point typed as a decimal point in German is a thousands separator
        // in the wrong place: never read as 15.
        QTest::newRow("de point misread") << "de_DE" << "1.5" << S::Intermediate << "";
        QTest::newRow("fr blank group") << "fr_FR" << "1 234,5" << S::Acceptable << "1234.5";
        QTest::newRow("fr locale group")
            << "fr_FR" << (QStringLiteral("1") + QLocale(QStringLiteral("fr_FR")).groupSeparator() + "234,5")
            << S::Acceptable << "1234.5";
    }
    void quantityText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(NumberTextState, state);
        QFETCH(QString, normalized);
        const QLocale l = localeNamed(locale);
        QCOMPARE(checkNumberText(text, kQuantityShape, l), state);
        const auto plain = normalizedNumber(text, kQuantityShape, l);
        QCOMPARE(plain.has_value(), state == NumberTextState::Acceptable);
        if (plain)
            QCOMPARE(*plain, normalized);
    }

    // The fee takes two decimals and is kept exactly in ten-thousandths.
    void feeText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("tenThousandths");  // -1: not a fee

        QTest::newRow("cents") << "en_US" << "0.29" << qint64(2900);
        QTest::newRow("grouped") << "en_US" << "123,456,789.99" << qint64(1234567899900);
        QTest::newRow("no decimals") << "en_US" << "12" << qint64(120000);
        QTest::newRow("three decimals") << "en_US" << "1.005" << qint64(-1);
        QTest::newRow("german") << "de_DE" << "1.234,5" << qint64(12345000);
    }
    void feeText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(qint64, tenThousandths);
        const auto fee = parseFeeTenThousandths(text, localeNamed(locale));
        QCOMPARE(fee.has_value(), tenThousandths >= 0);
        if (fee)
            QCOMPARE(*fee, tenThousandths);
    }

    // The grid's fee "$###,###,##0.00" with the user's separators and a
    // literal dollar sign; prices and shares with five decimals.
    void gridTexts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<qint64>("fee");
        QTest::addColumn<QString>("feeText");
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("numberText");

        QTest::newRow("zero") << "en_US" << qint64(0) << "$0.00" << 0.0 << "0.00000";
        QTest::newRow("thousands") << "en_US" << qint64(12345000) << "$1,234.50" << 1234567.5 << "1,234,567.50000";
        QTest::newRow("half cent up") << "en_US" << qint64(125) << "$0.01" << 0.125 << "0.12500";
        QTest::newRow("negative") << "en_US" << qint64(-10000) << "-$1.00" << 1.0 << "1.00000";
        QTest::newRow("german") << "de_DE" << qint64(12345000) << "$1.234,50" << 1234.5 << "1.234,50000";
    }
    void gridTexts()
    {
        QFETCH(QString, locale);
        QFETCH(qint64, fee);
        QFETCH(QString, feeText);
        QFETCH(double, number);
        QFETCH(QString, numberText);
        const QLocale l = localeNamed(locale);
        QCOMPARE(gridFeeText(fee, l), feeText);
        QCOMPARE(groupedNumber(number, 5, l), numberText);
    }
};

QTEST_GUILESS_MAIN(TestEntriesRules)
#include "test_entries_rules.moc"
