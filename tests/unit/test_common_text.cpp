// Text rules: unique names, the code-list format of chart definitions and the
// coded values of the update control file.
#include "common/CodeList.h"
#include "common/CodedText.h"
#include "common/UniqueName.h"

#include <QtTest>

#include <QSet>

using namespace quorvel;

class TestCommonText : public QObject {
    Q_OBJECT
private slots:
    void uniqueName_data();
    void uniqueName();

    void parseCodeList_data();
    void parseCodeList();
    void formatCodeList_data();
    void formatCodeList();
    void renameInCodeList_data();
    void renameInCodeList();
    void removeFromCodeList_data();
    void removeFromCodeList();

    void decodeCodedText_data();
    void decodeCodedText();
    void decodeRejectsNonDecimalGroup_data();
    void decodeRejectsNonDecimalGroup();
    void codedTextRoundTrip_data();
    void codedTextRoundTrip();
    void encodeRejectsWideCharacter();
};

// ---- unique names -----------------------------------------------------------

void TestCommonText::uniqueName_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("asked");  // candidates in the order tried
    QTest::newRow("base free") << "New" << QStringList{} << "New" << QStringList{"New"};
    QTest::newRow("base taken") << "New" << QStringList{"New"} << "New 1" << QStringList{"New", "New 1"};
    QTest::newRow("series taken") << "New Chart" << QStringList{"New Chart", "New Chart 1", "New Chart 2"}
                                  << "New Chart 3"
                                  << QStringList{"New Chart", "New Chart 1", "New Chart 2", "New Chart 3"};
    QTest::newRow("gap is reused") << "New Chart" << QStringList{"New Chart", "New Chart 2"} << "New Chart 1"
                                   << QStringList{"New Chart", "New Chart 1"};
    QTest::newRow("only numbered taken") << "New" << QStringList{"New 1"} << "New" << QStringList{"New"};
    QTest::newRow("exact comparison") << "New" << QStringList{"new", "New "} << "New" << QStringList{"New"};
}

void TestCommonText::uniqueName()
{
    QFETCH(QString, base);
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);
    QFETCH(QStringList, asked);
    const QSet<QString> names(existing.begin(), existing.end());
    QStringList tried;
    const QString name = quorvel::uniqueName(base, [&](const QString& candidate) {
        tried.append(candidate);
        return names.contains(candidate);
    });
    QCOMPARE(name, expected);
    QCOMPARE(tried, asked);
}

// ---- code lists ---------------------------------------------------------------

void TestCommonText::parseCodeList_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("empty memo") << "" << QStringList{};
    QTest::newRow("CR LF") << "ABC\r\nXYZ\r\n" << QStringList{"ABC", "XYZ"};
    QTest::newRow("lone CR") << "ABC\rXYZ\r" << QStringList{"ABC", "XYZ"};
    QTest::newRow("lone LF") << "ABC\nXYZ\n" << QStringList{"ABC", "XYZ"};
    QTest::newRow("mixed line ends") << "A\r\nB\nC\rD\r\n" << QStringList{"A", "B", "C", "D"};
    QTest::newRow("last line without its end") << "ABC\r\nXYZ" << QStringList{"ABC", "XYZ"};
    QTest::newRow("single code") << "ABC" << QStringList{"ABC"};
    QTest::newRow("LF CR is two line ends") << "A\n\rB\r\n" << QStringList{"A", "", "B"};
    QTest::newRow("empty line kept") << "A\r\n\r\nB\r\n" << QStringList{"A", "", "B"};
    QTest::newRow("blanks belong to the code") << " A \r\n" << QStringList{" A "};
    QTest::newRow("one empty line") << "\r\n" << QStringList{""};
}

void TestCommonText::parseCodeList()
{
    QFETCH(QString, memo);
    QFETCH(QStringList, codes);
    QCOMPARE(quorvel::parseCodeList(memo), codes);
}

void TestCommonText::formatCodeList_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("memo");
    QTest::newRow("empty list") << QStringList{} << "";
    QTest::newRow("ABC and XYZ: ten bytes") << QStringList{"ABC", "XYZ"} << "ABC\r\nXYZ\r\n";
    QTest::newRow("one code") << QStringList{"New 1"} << "New 1\r\n";
}

void TestCommonText::formatCodeList()
{
    QFETCH(QStringList, codes);
    QFETCH(QString, memo);
    QCOMPARE(quorvel::formatCodeList(codes), memo);
    QCOMPARE(quorvel::parseCodeList(memo), codes);
}

void TestCommonText::renameInCodeList_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("oldCode");
    QTest::addColumn<QString>("newCode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("keeps the order") << "ABC\r\nMID\r\nXYZ\r\n" << "MID" << "AAA" << "ABC\r\nAAA\r\nXYZ\r\n";
    QTest::newRow("every occurrence") << "ABC\r\nXYZ\r\nABC\r\n" << "ABC" << "NEW" << "NEW\r\nXYZ\r\nNEW\r\n";
    QTest::newRow("whole lines, exact case")
        << "ABC\r\nABCD\r\nabc\r\nXABC\r\n" << "ABC" << "Q" << "Q\r\nABCD\r\nabc\r\nXABC\r\n";
    QTest::newRow("absent code: rewritten as CR LF") << "ABC\nXYZ" << "QQQ" << "R" << "ABC\r\nXYZ\r\n";
    QTest::newRow("empty memo") << "" << "ABC" << "NEW" << "";
    QTest::newRow("code with an apostrophe") << "O'Neil\r\n" << "O'Neil" << "ONeil" << "ONeil\r\n";
}

void TestCommonText::renameInCodeList()
{
    QFETCH(QString, memo);
    QFETCH(QString, oldCode);
    QFETCH(QString, newCode);
    QFETCH(QString, expected);
    QCOMPARE(quorvel::renameInCodeList(memo, oldCode, newCode), expected);
}

void TestCommonText::removeFromCodeList_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");
    QTest::newRow("middle line") << "ABC\r\nMID\r\nXYZ\r\n" << "MID" << "ABC\r\nXYZ\r\n";
    QTest::newRow("every occurrence") << "ABC\r\nXYZ\r\nABC\r\n" << "ABC" << "XYZ\r\n";
    QTest::newRow("only line: empty memo") << "ABC\r\n" << "ABC" << "";
    QTest::newRow("whole lines, exact case") << "ABC\r\nABCD\r\nabc\r\n" << "ABC" << "ABCD\r\nabc\r\n";
    QTest::newRow("absent code") << "ABC\r\nXYZ\r\n" << "QQQ" << "ABC\r\nXYZ\r\n";
    QTest::newRow("last line without its end") << "ABC\r\nXYZ" << "XYZ" << "ABC\r\n";
}

void TestCommonText::removeFromCodeList()
{
    QFETCH(QString, memo);
    QFETCH(QString, code);
    QFETCH(QString, expected);
    QCOMPARE(quorvel::removeFromCodeList(memo, code), expected);
}

// ---- coded text ---------------------------------------------------------------

void TestCommonText::decodeCodedText_data()
{
    static_assert(kCodedTextOffset == 137, "the rows below are written for offset 137");
    QTest::addColumn<QString>("coded");
    QTest::addColumn<QString>("plain");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("one character") << "1" << "";
    QTest::newRow("three characters") << "170" << "";
    QTest::newRow("four characters: first group read") << "1704" << "!";
    QTest::newRow("six digits: final digit missing") << "170000" << "!";
    QTest::newRow("one group and final digit") << "1700005" << "!";
    QTest::newRow("later group with three left is skipped") << "170000171" << "!";
    QTest::newRow("later group with four left is read") << "1700001710" << "!\"";
    QTest::newRow("two characters") << "2029991709995" << "A!";
    QTest::newRow("below the offset wraps") << "0000000" << "w";       // (0 - 137) mod 256 = 119
    QTest::newRow("256 above the offset wraps") << "3930000" << QString(QChar(0));
    QTest::newRow("largest group") << "9990000" << "^";                // 862 mod 256 = 94
    QTest::newRow("filler is ignored") << "170999" "171123" "0" << "!\"";
}

void TestCommonText::decodeCodedText()
{
    QFETCH(QString, coded);
    QFETCH(QString, plain);
    QCOMPARE(DecodeCodedText(coded), plain);
}

void TestCommonText::decodeRejectsNonDecimalGroup_data()
{
    QTest::addColumn<QString>("coded");
    QTest::newRow("letter in the first group") << "17a0000";
    QTest::newRow("letter in a later group") << "170000" "1x1000" "0";
    QTest::newRow("blank in a group") << " 700000";
    QTest::newRow("sign in a group") << "-17000";
    QTest::newRow("four non-digits") << "abcd";
}

void TestCommonText::decodeRejectsNonDecimalGroup()
{
    QFETCH(QString, coded);
    QVERIFY_EXCEPTION_THROWN(DecodeCodedText(coded), std::invalid_argument);
}

void TestCommonText::codedTextRoundTrip_data()
{
    QTest::addColumn<QString>("plain");
    QTest::newRow("empty") << "";
    QTest::newRow("version") << "2.1";
    QTest::newRow("date") << "01/15/2009";
    QTest::newRow("host name") << "ftp.example.com";
    QTest::newRow("Latin-1 letters") << QString::fromUtf8("Préférée ÿ");
    QString allCodes;
    for (int code = 0; code < 256; ++code)
        allCodes.append(QChar(code));
    QTest::newRow("every code 0 to 255") << allCodes;
}

void TestCommonText::codedTextRoundTrip()
{
    QFETCH(QString, plain);
    const QString coded = EncodeCodedText(plain);
    QCOMPARE(coded.size(), plain.size() * 6 + 1);
    for (const QChar c : coded)
        QVERIFY2(c.isDigit() && c.unicode() < 128, qPrintable(coded));
    QCOMPARE(DecodeCodedText(coded), plain);
}

void TestCommonText::encodeRejectsWideCharacter()
{
    QVERIFY_EXCEPTION_THROWN(EncodeCodedText(QString::fromUtf8("5 €")), std::invalid_argument);
}

QTEST_APPLESS_MAIN(TestCommonText)
#include "test_common_text.moc"
