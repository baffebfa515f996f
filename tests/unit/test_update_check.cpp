// The update check against a real FTP server on 127.0.0.1: what the user sees
// for each kind of control file, for each kind of failure, and what the
// notice panel's two links do.
#include "LoopbackFtpServer.h"
#include "RecordingLauncher.h"
#include "ScriptedDialogs.h"

#include "common/CodedText.h"
#include "update/UpdateCheck.h"
#include "update/UpdateConfig.h"
#include "update/UpdateNotice.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace quorvel;

namespace {

const QString kNoUpdates = QStringLiteral("No updates are available.");
const QString kCheckingLong = QStringLiteral(
    "(If you have a firewall, please allow this program to check the Internet to see if a newer version "
    "of this program is available.)");
const QString kOfferLong = QStringLiteral(
    "An upgrade for this program is available. Click the link below to go to the website for upgrade "
    "instructions.");
const QString kExeDir = QStringLiteral("/opt/quorvel/bin");

// The panel as the user sees it at one moment.
struct PanelView {
    bool visible = false;
    QPoint position;
    QColor color;
    QString header, shortText, longText;
    bool linkShown = false, closeShown = false;
};

PanelView look(UpdateNotice* panel)
{
    auto text = [panel](const char* name) { return panel->findChild<QLabel*>(QLatin1String(name))->text(); };
    auto shown = [panel](const char* name) {
        return panel->findChild<QLabel*>(QLatin1String(name))->isVisibleTo(panel);
    };
    return {panel->isVisible(), panel->pos(), panel->color(), text("LblPeekHdr"), text("LblPeekShort"),
            text("LblPeekLong"), shown("LblPeekURL"), shown("LblPeekPnlClose")};
}

// Message boxes that also let the test look at the window while a box is up:
// the information box comes while the panel still shows how the check ran.
class WatchedDialogs : public ScriptedDialogs {
public:
    std::function<void()> onBox;
    void information(QWidget* parent, const QString& text) override
    {
        if (onBox)
            onBox();
        ScriptedDialogs::information(parent, text);
    }
};

// A port on 127.0.0.1 where nobody listens: bound by the system, then let go.
int closedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

QString controlFile(const QString& version, const QString& date)
{
    QString text = QStringLiteral("[1]\r\nName=Quorvel\r\n[2]\r\n");
    if (!version.isNull())
        text += QStringLiteral("1=%1\r\n").arg(version);
    if (!date.isNull())
        text += QStringLiteral("3=%1\r\n").arg(date);
    return text;
}

const QString kOffer21 = controlFile(EncodeCodedText(QStringLiteral("2.1")), EncodeCodedText(QStringLiteral("01/15/2009")));
const QString kNoOffer = controlFile(QString(), QString());

}  // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlFileDecidesTheAnswer_data();
    void controlFileDecidesTheAnswer();
    void failureShowsTheClientsMessage_data();
    void failureShowsTheClientsMessage();
    void windowKeepsItsEventsWhileTheCheckWaits();
    void closeLabelHidesPanelAndNextCheckStartsOver();
    void linkOpensProductPageAndEndsProgram_data();
    void linkOpensProductPageAndEndsProgram();

private:
    QString remoteFile() const
    {
        return ftpHome_.path() + QLatin1Char('/') + QLatin1String(update_config::kSiteSegment)
            + QStringLiteral("/soft/files/vesk/updctrl20.txt");
    }
    void publish(const QString& content)
    {
        QFile file(remoteFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content.toLatin1());
    }
    void useServer(const QString& address) { qputenv(update_config::kServerVariable, address.toUtf8()); }
    UpdateNotice* panel() const { return check_->notice(); }

    QTemporaryDir ftpHome_;
    LoopbackFtpServer server_;
    LoopbackFtpServer otherPasswordServer_;  // the same files behind a password we do not have

    std::unique_ptr<QTemporaryDir> dataDir_;
    std::unique_ptr<QWidget> mainWindow_;
    WatchedDialogs dialogs_;
    RecordingLauncher launcher_;
    UpdateCheck* check_ = nullptr;
};

void TestUpdateCheck::initTestCase()
{
    QVERIFY(ftpHome_.isValid());
    QVERIFY(QDir(ftpHome_.path()).mkpath(QLatin1String(update_config::kSiteSegment) + QStringLiteral("/soft/files/vesk")));
    QVERIFY2(server_.start(ftpHome_.path(), QLatin1String(update_config::kFtpUser), assembleFtpPassword()),
             qPrintable(server_.failure()));
    QVERIFY2(otherPasswordServer_.start(ftpHome_.path(), QLatin1String(update_config::kFtpUser),
                                        assembleFtpPassword() + QStringLiteral("-old")),
             qPrintable(otherPasswordServer_.failure()));
}

void TestUpdateCheck::init()
{
    dataDir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dataDir_->isValid());
    mainWindow_ = std::make_unique<QWidget>();
    mainWindow_->resize(818, 592);
    mainWindow_->show();
    dialogs_.clear();
    dialogs_.onBox = nullptr;
    launcher_.clear();
    launcher_.result = true;
    check_ = new UpdateCheck(mainWindow_.get(), dialogs_, launcher_, dataDir_->path(), kExeDir);
    useServer(server_.address());
}

void TestUpdateCheck::cleanup()
{
    mainWindow_.reset();  // takes the check and its panel along
    check_ = nullptr;
    QFile::remove(remoteFile());
}

void TestUpdateCheck::controlFileDecidesTheAnswer_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("offeredAs");  // empty: no upgrade offered

    QTest::newRow("version and date") << kOffer21 << "Version 2.1 released 01/15/2009";
    QTest::newRow("version only") << controlFile(EncodeCodedText(QStringLiteral("2.1")), QString())
                                  << "Version 2.1";
    QTest::newRow("no section 2") << QStringLiteral("[1]\r\n1=%1\r\n").arg(EncodeCodedText(QStringLiteral("2.1")))
                                  << QString();
    QTest::newRow("empty key 1") << controlFile(QStringLiteral(""), EncodeCodedText(QStringLiteral("01/15/2009")))
                                 << QString();
    // The date means nothing without a version, so it is not even decoded.
    QTest::newRow("damaged date, no version") << controlFile(QStringLiteral(""), QStringLiteral("12x456"))
                                              << QString();
}

void TestUpdateCheck::controlFileDecidesTheAnswer()
{
    QFETCH(QString, content);
    QFETCH(QString, offeredAs);
    publish(content);
    // A copy left from an earlier run offers something else: the download
    // has to replace it.
    const QString localCopy = dataDir_->filePath(QStringLiteral("updctrl.txt"));
    {
        QFile stale(localCopy);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(controlFile(EncodeCodedText(QStringLiteral("9.9")), QString()).toLatin1());
    }

    check_->lookForUpdates();

    const PanelView seen = look(panel());
    if (offeredAs.isEmpty()) {
        QCOMPARE(dialogs_.allTexts(), QStringList{kNoUpdates});
        QCOMPARE(dialogs_.texts(ScriptedDialogs::Kind::Information), QStringList{kNoUpdates});
        QVERIFY(!seen.visible);
    } else {
        QCOMPARE(dialogs_.allTexts(), QStringList());
        QVERIFY(seen.visible);
        QCOMPARE(seen.position, QPoint(8, 8));
        QCOMPARE(seen.color, QColor(240, 202, 166));
        QCOMPARE(seen.header, QStringLiteral("New Version Available"));
        QCOMPARE(seen.shortText, offeredAs);
        QCOMPARE(seen.longText, kOfferLong);
        QVERIFY(seen.linkShown);
        QVERIFY(seen.closeShown);
    }
    QVERIFY(!QFile::exists(localCopy));
}

void TestUpdateCheck::failureShowsTheClientsMessage_data()
{
    QTest::addColumn<QString>("server");       // "good", "other password", "closed port"
    QTest::addColumn<QString>("content");      // null: no remote file
    QTest::addColumn<QString>("messagePart");  // what the user must learn from the box

    QTest::newRow("refused login") << "other password" << kOffer21 << "530";
    QTest::newRow("missing remote file") << "good" << QString() << "550";
    QTest::newRow("unreachable server") << "closed port" << kOffer21 << "127.0.0.1";
    QTest::newRow("damaged version") << "good" << controlFile(QStringLiteral("187123x12345"), QString()) << "x12";
}

void TestUpdateCheck::failureShowsTheClientsMessage()
{
    QFETCH(QString, server);
    QFETCH(QString, content);
    QFETCH(QString, messagePart);
    if (!content.isNull())
        publish(content);
    if (server == QLatin1String("other password"))
        useServer(otherPasswordServer_.address());
    else if (server == QLatin1String("closed port"))
        useServer(QStringLiteral("127.0.0.1:%1").arg(closedPort()));

    check_->lookForUpdates();

    QCOMPARE(dialogs_.calls.size(), 1);
    QCOMPARE(dialogs_.calls.first().kind, ScriptedDialogs::Kind::Error);
    QVERIFY2(dialogs_.calls.first().text.contains(messagePart), qPrintable(dialogs_.calls.first().text));
    QVERIFY(!panel()->isVisible());

    // Nothing of the failed check lingers: the next one logs in afresh.
    dialogs_.clear();
    useServer(server_.address());
    publish(kNoOffer);
    check_->lookForUpdates();
    QCOMPARE(dialogs_.allTexts(), QStringList{kNoUpdates});
    QVERIFY(!QFile::exists(check_->localControlFile()));
}

void TestUpdateCheck::windowKeepsItsEventsWhileTheCheckWaits()
{
    publish(kNoOffer);
    // Queued before the check: it can only run if the check lets events
    // through while it waits for the server.
    bool ranDuringCheck = false;
    PanelView whileWaiting;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QTimer::singleShot(0, this, [&] {
        ranDuringCheck = true;
        whileWaiting = look(panel());
        if (QGuiApplication::overrideCursor())
            cursor = QGuiApplication::overrideCursor()->shape();
    });

    check_->lookForUpdates();

    QVERIFY(ranDuringCheck);
    QVERIFY(whileWaiting.visible);
    QCOMPARE(whileWaiting.header, QStringLiteral("One moment please."));
    QCOMPARE(cursor, Qt::WaitCursor);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestUpdateCheck::closeLabelHidesPanelAndNextCheckStartsOver()
{
    QVERIFY(!panel()->isVisible());
    publish(kOffer21);
    check_->lookForUpdates();
    QVERIFY(panel()->isVisible());
    // A single black border with a raised bevel inside it, in the panel's colour.
    const QImage face = panel()->grab().toImage();
    const int middle = face.height() / 2;
    const QColor fill = panel()->color();
    QCOMPARE(QColor(face.pixel(0, middle)), QColor(Qt::black));
    QVERIFY(QColor(face.pixel(2, middle)).lightness() > fill.lightness());
    QVERIFY(QColor(face.pixel(face.width() - 3, middle)).lightness() < fill.lightness());
    QCOMPARE(QColor(face.pixel(10, middle)), fill);

    QTest::mouseClick(panel()->findChild<QLabel*>(QStringLiteral("LblPeekPnlClose")), Qt::LeftButton);
    QVERIFY(!panel()->isVisible());

    publish(kNoOffer);
    PanelView duringCheck;
    dialogs_.onBox = [&] { duringCheck = look(panel()); };
    check_->lookForUpdates();

    QVERIFY(duringCheck.visible);
    QCOMPARE(duringCheck.position, QPoint(112, 128));
    QCOMPARE(duringCheck.color, UpdateNotice::designColor());
    QCOMPARE(duringCheck.header, QStringLiteral("One moment please."));
    QCOMPARE(duringCheck.shortText, QStringLiteral("Checking website for updates ...."));
    QCOMPARE(duringCheck.longText, kCheckingLong);
    QVERIFY(!duringCheck.linkShown);
    QVERIFY(!duringCheck.closeShown);
    QVERIFY(!panel()->isVisible());
}

void TestUpdateCheck::linkOpensProductPageAndEndsProgram_data()
{
    QTest::addColumn<bool>("browserStarts");
    QTest::newRow("browser starts") << true;
    QTest::newRow("browser refused") << false;
}

void TestUpdateCheck::linkOpensProductPageAndEndsProgram()
{
    QFETCH(bool, browserStarts);
    launcher_.result = browserStarts;
    publish(kOffer21);
    check_->lookForUpdates();
    QSignalSpy closeRequests(check_, &UpdateCheck::closeProgramRequested);

    QTest::mouseClick(panel()->findChild<QLabel*>(QStringLiteral("LblPeekURL")), Qt::LeftButton);

    QCOMPARE(launcher_.requests.size(), 1);
    QCOMPARE(launcher_.requests.first().target, QStringLiteral("www.quorvel.example/etc/p_vesk.php"));
    QCOMPARE(launcher_.requests.first().workingDirectory, kExeDir);
    // A refused launch is reported by the launch itself; the program ends anyway.
    QCOMPARE(dialogs_.texts(ScriptedDialogs::Kind::Error).size(), browserStarts ? 0 : 1);
    QCOMPARE(closeRequests.count(), 1);
}

QTEST_MAIN(TestUpdateCheck)
#include "test_update_check.moc"
