// The About window (version text, what a click closes, the web link) and the
// help book (each help context opens its page, no link in the book is broken).
#include "app/AboutWindow.h"
#include "app/HelpWindow.h"

#include "RecordingLauncher.h"
#include "ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

using namespace quorvel;

namespace {

const QString kExeDir = QStringLiteral("/opt/quorvel/bin");

// Clicks through the window system at the centre of `child`, so the click
// reaches whatever widget really lies on top there, as a user's click would.
void clickOn(FormAbout& about, const QString& childName)
{
    QPoint at(about.width() / 2, 0);  // the window's own top edge, above the picture
    if (!childName.isEmpty()) {
        auto* child = about.findChild<QWidget*>(childName);
        QVERIFY2(child, qPrintable(childName));
        at = child->mapTo(&about, child->rect().center());
    }
    QTest::mouseClick(about.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

// Every anchor name of a help page as the help window renders it.
QSet<QString> anchorNames(const QUrl& page)
{
    QTextBrowser browser;
    browser.setSource(page);
    QSet<QString> names;
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString& name : it.fragment().charFormat().anchorNames())
                names.insert(name);
        }
    }
    return names;
}

QString readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

}  // namespace

class TestHelpAbout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The window registers the help pages; every help test needs them.
        HelpWindow registrar;
        QVERIFY(QFile::exists(QStringLiteral(":/help/topic-20.html")));
    }

    // --- About window ---

    void aboutShowsVersionInLocale_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("point") << "en_US" << "2.00";
        QTest::newRow("comma") << "de_DE" << "2,00";
    }
    void aboutShowsVersionInLocale()
    {
        QFETCH(QString, localeName);
        QFETCH(QString, expected);
        RecordingLauncher launcher;
        ScriptedDialogs dialogs;
        FormAbout about(nullptr, launcher, dialogs, kExeDir, QLocale(localeName));
        auto* version = about.findChild<QLabel*>(QStringLiteral("LblVersion"));
        QVERIFY(version);
        QCOMPARE(version->text(), expected);
    }

    void aboutClickElsewhereCloses_data()
    {
        QTest::addColumn<QString>("element");
        QTest::newRow("window edge") << QString();
        QTest::newRow("picture") << "Image1";
        QTest::newRow("product name") << "fcLabel1";
        QTest::newRow("close button") << "SBClose";
        QTest::newRow("raised bevel") << "Bevel1";
        QTest::newRow("version caption") << "Label4";
        QTest::newRow("version") << "LblVersion";
        QTest::newRow("web caption") << "Label3";
        QTest::newRow("footer") << "LblFooter";
    }
    void aboutClickElsewhereCloses()
    {
        QFETCH(QString, element);
        RecordingLauncher launcher;
        ScriptedDialogs dialogs;
        FormAbout about(nullptr, launcher, dialogs, kExeDir);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));

        clickOn(about, element);

        QVERIFY(!about.isVisible());
        QVERIFY(launcher.requests.isEmpty());
        QVERIFY(dialogs.calls.isEmpty());
    }

    void aboutLinkOpensSiteAndStaysOpen()
    {
        RecordingLauncher launcher;
        ScriptedDialogs dialogs;
        FormAbout about(nullptr, launcher, dialogs, kExeDir);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));

        clickOn(about, QStringLiteral("LblURL"));

        QVERIFY(about.isVisible());
        QCOMPARE(launcher.requests.size(), 1);
        QCOMPARE(launcher.requests.front().target, FormAbout::kMakerWebAddress);
        QCOMPARE(launcher.requests.front().workingDirectory, kExeDir);
        QVERIFY(dialogs.calls.isEmpty());
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("LblURL"))->text(), FormAbout::kMakerWebAddress);
    }

    void aboutRefusedLinkShowsLaunchMessage()
    {
        RecordingLauncher launcher;
        launcher.result = false;
        ScriptedDialogs dialogs;
        FormAbout about(nullptr, launcher, dialogs, kExeDir);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));

        clickOn(about, QStringLiteral("LblURL"));

        QVERIFY(about.isVisible());
        QCOMPARE(dialogs.texts(ScriptedDialogs::Kind::Error),
                 QStringList{QStringLiteral("Program www.quorvel.example in directory /opt/quorvel/bin was not "
                                            "successfully launched. Please contact support.")});
    }

    // --- Help book ---

    void helpContextOpensItsTopic_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("title");
        QTest::newRow("general") << 20 << "Getting Started / Account Management";
        QTest::newRow("accounts") << 40 << "Accounts Page";
        QTest::newRow("account info") << 50 << "Account Info. Page";
        QTest::newRow("entries") << 60 << "Entries Page";
        QTest::newRow("charts and notebook") << 80 << "Charts Page";
        QTest::newRow("custom charts") << 90 << "Custom Charts Page";
        QTest::newRow("unknown") << 30 << "Getting Started / Account Management";
        QTest::newRow("none") << 0 << "Getting Started / Account Management";
        QTest::newRow("negative") << -40 << "Getting Started / Account Management";
    }
    void helpContextOpensItsTopic()
    {
        QFETCH(int, context);
        QFETCH(QString, title);
        HelpWindow help;
        help.showTopic(context);

        QVERIFY(help.isVisible());
        QCOMPARE(help.browser()->documentTitle(), title);
        QVERIFY(help.browser()->toPlainText().startsWith(title));  // the page's heading
        auto* contents = help.findChild<QListWidget*>(QStringLiteral("HelpContents"));
        QVERIFY(contents->currentItem());
        QCOMPARE(contents->currentItem()->text(), title);
    }

    // Every contents entry leads to a page that exists, under the entry's title
    // or at an anchor of that page; and every page of the book is listed.
    void helpContentsCoverTheBook()
    {
        QSet<QString> listed;
        for (const HelpTopic& topic : HelpWindow::topics()) {
            const QUrl url(QStringLiteral("qrc:/help/") + topic.page);
            const QString file = url.adjusted(QUrl::RemoveFragment).fileName();
            listed.insert(file);
            QVERIFY2(QFile::exists(QStringLiteral(":/help/") + file), qPrintable(topic.page));
            if (url.hasFragment()) {
                QVERIFY2(anchorNames(url).contains(url.fragment()), qPrintable(topic.page));
            } else {
                QTextBrowser browser;
                browser.setSource(url);
                QCOMPARE(browser.documentTitle(), topic.title);
            }
        }
        const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
        QVERIFY(!pages.isEmpty());
        for (const QString& page : pages)
            QVERIFY2(listed.contains(page), qPrintable(page + " is not in the contents"));
    }

    // Walks every href of every page (links and the style sheet): each must
    // name a file of the book, and an anchor that the target page has.
    void helpHasNoBrokenLinks()
    {
        const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
        int links = 0;
        for (const QString& page : pages) {
            const QUrl base(QStringLiteral("qrc:/help/") + page);
            const QString html = readResource(QStringLiteral(":/help/") + page);
            QVERIFY2(!html.isEmpty(), qPrintable(page));
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                const QUrl url = base.resolved(QUrl(target));
                const QString where = page + " -> " + target;
                QVERIFY2(url.scheme() == QLatin1String("qrc"), qPrintable(where + " leaves the book"));
                const QString file = QLatin1Char(':') + url.path();
                QVERIFY2(QFile::exists(file), qPrintable(where));
                if (url.hasFragment())
                    QVERIFY2(anchorNames(url).contains(url.fragment()), qPrintable(where + " (anchor)"));
                ++links;
            }
        }
        QVERIFY(links > 0);
    }

    void helpBackAndForward()
    {
        HelpWindow help;
        help.showTopic(40);
        help.showTopic(60);
        auto* back = help.findChild<QToolButton*>(QStringLiteral("HelpBack"));
        auto* forward = help.findChild<QToolButton*>(QStringLiteral("HelpForward"));
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());

        back->click();
        QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Accounts Page"));
        QVERIFY(forward->isEnabled());
        forward->click();
        QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Entries Page"));
    }

    void helpContentsEntryOpensPage()
    {
        HelpWindow help;
        help.showTopic(20);
        auto* contents = help.findChild<QListWidget*>(QStringLiteral("HelpContents"));
        const QList<QListWidgetItem*> found = contents->findItems(QStringLiteral("Backing Up"), Qt::MatchContains);
        QCOMPARE(found.size(), 1);
        contents->setCurrentItem(found.front());
        QCOMPARE(help.currentUrl(), QUrl(QStringLiteral("qrc:/help/topic-20.html#backup")));
        QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("VeskConnect.ini")));
    }

    void helpContextOfAWidget_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("context");
        QTest::newRow("field on a page") << "field" << 50;
        QTest::newRow("the page") << "page" << 50;
        QTest::newRow("the notebook") << "notebook" << 80;
        QTest::newRow("outside the notebook") << "window" << 20;
    }
    void helpContextOfAWidget()
    {
        QFETCH(QString, focus);
        QFETCH(int, context);
        QWidget window;
        window.setObjectName(QStringLiteral("window"));
        auto* notebook = new QWidget(&window);
        notebook->setObjectName(QStringLiteral("notebook"));
        notebook->setProperty("helpContext", 80);
        auto* page = new QWidget(notebook);
        page->setObjectName(QStringLiteral("page"));
        page->setProperty("helpContext", 50);
        auto* field = new QWidget(page);
        field->setObjectName(QStringLiteral("field"));

        QWidget* widget = focus == QLatin1String("window") ? &window : window.findChild<QWidget*>(focus);
        QCOMPARE(HelpWindow::contextFor(widget), context);
    }
};

QTEST_MAIN(TestHelpAbout)
#include "test_help_about.moc"
