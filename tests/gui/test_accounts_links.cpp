// The links of the "Account Info." page: what each button hands to the
// desktop (the page's text for e-mail and web site, the stored symbol and
// type for the quote page), from where, and what a refusal shows.
#include "AccountsTestSupport.h"

#include "accounts/AccountLinks.h"

using namespace quorvel;
using namespace quorvel::test;

namespace {

void addAccount(MainWindowFixture& f, const QString& ticker, const QString& type)
{
    data::Account a = DataDirFixture::account("ONE", "One");
    a.ticker = ticker;
    a.type = type;
    a.email = QStringLiteral("stored@example.com");
    a.website = QStringLiteral("www.stored.example");
    f.addAccount(a);
}

}  // namespace

class TestAccountsLinks : public QObject {
    Q_OBJECT

private slots:
    void quoteAddress_data()
    {
        QTest::addColumn<QString>("ticker");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("address");
        QTest::newRow("fund") << "ABCDX" << "F"
                              << "http://quotes.nasdaq.com/quote.dll?page=quick&mode=fund&symbol=ABCDX";
        QTest::newRow("option") << "QQQ" << "O"
                                << "http://quotes.nasdaq.com/quote.dll?page=quick&mode=options&symbol=QQQ";
        QTest::newRow("stock") << "MSFT" << "S"
                               << "http://quotes.nasdaq.com/quote.dll?page=quick&mode=stock&symbol=MSFT";
        QTest::newRow("no type") << "XYZ" << ""
                                 << "http://quotes.nasdaq.com/quote.dll?page=quick&mode=&symbol=XYZ";
        QTest::newRow("symbol unchanged") << "A&B %1" << "S"
                                          << "http://quotes.nasdaq.com/quote.dll?page=quick&mode=stock&symbol=A&B %1";
        QTest::newRow("no symbol: home page") << "" << "S" << "http://www.nasdaq.com/";
    }
    void quoteAddress()
    {
        QFETCH(QString, ticker);
        QFETCH(QString, type);
        QFETCH(QString, address);
        MainWindowFixture f;
        addAccount(f, ticker, type);
        QVERIFY(f.start());
        click(f, "BtnAcctInfoNasdaq");
        QCOMPARE(f.launcher.targets(), QStringList{address});
        QCOMPARE(f.launcher.requests.front().workingDirectory, f.window->ExeDir);
        QVERIFY(f.dialogs.calls.isEmpty());
    }

    // The quote page ignores unsaved edits; e-mail and web site use what the page shows.
    void unsavedEdits()
    {
        MainWindowFixture f;
        addAccount(f, "", "F");
        QVERIFY(f.start());
        typeInto(infoField(f, "EFATicker"), "NEWX");
        typeInto(infoField(f, "EFAEMail"), "typed@example.com");
        typeInto(infoField(f, "EFAWebsite"), "typed.example/page");
        click(f, "BtnAcctInfoNasdaq");
        click(f, "BtnAcctInfoEMail");
        click(f, "BtnAcctInfoWebsite");
        QCOMPARE(f.launcher.targets(),
                 (QStringList{"http://www.nasdaq.com/", "MAILTO:typed@example.com", "typed.example/page"}));
        QCOMPARE(data::AccountStore(f.engine()).find("ONE")->ticker, QString());  // nothing was saved
    }

    void emptyAddresses()
    {
        MainWindowFixture f;
        addAccount(f, "X", "S");
        QVERIFY(f.start());
        typeInto(infoField(f, "EFAEMail"), "");
        typeInto(infoField(f, "EFAWebsite"), "");
        click(f, "BtnAcctInfoEMail");
        click(f, "BtnAcctInfoWebsite");
        QCOMPARE(f.launcher.targets(), QStringList{"MAILTO:"});  // an empty web address does nothing
    }

    void refusedLaunch_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("e-mail") << "BtnAcctInfoEMail" << "MAILTO:stored@example.com"
                                << "E-mail creation was not successful.";
        QTest::newRow("web site") << "BtnAcctInfoWebsite" << "www.stored.example" << "Link was not successful.";
        QTest::newRow("quote") << "BtnAcctInfoNasdaq"
                               << "http://quotes.nasdaq.com/quote.dll?page=quick&mode=stock&symbol=X"
                               << "Link was not successful.";
    }
    void refusedLaunch()
    {
        QFETCH(QString, button);
        QFETCH(QString, target);
        QFETCH(QString, message);
        MainWindowFixture f;
        addAccount(f, "X", "S");
        QVERIFY(f.start());
        f.launcher.result = false;
        click(f, button);
        const QString launchMessage = QStringLiteral(
            "Program %1 in directory %2 was not successfully launched. Please contact support.")
                                          .arg(target, f.window->ExeDir);
        QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error), (QStringList{launchMessage, message}));
    }
};

QTEST_MAIN(TestAccountsLinks)
#include "test_accounts_links.moc"
