// Handing targets to the desktop, the launch failure message, and the real
// message boxes behind Dialogs.
#include "common/Dialogs.h"
#include "common/Launcher.h"

#include <QtTest>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <stdexcept>

using namespace quorvel;

namespace {

enum class LaunchOutcome { Accepted, Refused, Throws };

class FakeLauncher : public Launcher {
public:
    LaunchOutcome outcome = LaunchOutcome::Accepted;
    QStringList targets;
    QStringList workingDirectories;
    bool open(const QString& target, const QString& workingDirectory) override
    {
        targets.append(target);
        workingDirectories.append(workingDirectory);
        if (outcome == LaunchOutcome::Throws)
            throw std::runtime_error("desktop unavailable");
        return outcome == LaunchOutcome::Accepted;
    }
};

class FakeDialogs : public Dialogs {
public:
    QStringList errors;
    QList<QWidget*> parents;
    int others = 0;
    void error(QWidget* parent, const QString& text) override
    {
        errors.append(text);
        parents.append(parent);
    }
    void information(QWidget*, const QString&) override { ++others; }
    Answer confirm(QWidget*, const QString&) override
    {
        ++others;
        return Answer::No;
    }
};

// Runs `handle` on the next message box once it is shown modally. The check
// runs from the event loop of the box itself, so no waiting is involved.
void whenBoxShown(const std::function<void(QMessageBox*)>& handle)
{
    QTimer::singleShot(0, [handle]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box)
            handle(box);
        else
            whenBoxShown(handle);
    });
}

}  // namespace

Q_DECLARE_METATYPE(LaunchOutcome)
Q_DECLARE_METATYPE(QMessageBox::Icon)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)
Q_DECLARE_METATYPE(Dialogs::Answer)

class TestCommonLaunch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void desktopUrl_data();
    void desktopUrl();
    void launchProgram_data();
    void launchProgram();
    void messageBoxes_data();
    void messageBoxes();
};

void TestCommonLaunch::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
}

void TestCommonLaunch::desktopUrl_data()
{
    QTest::addColumn<QString>("target");      // %ROOT%: a temporary folder holding "readme.txt"
    QTest::addColumn<QString>("workingDir");
    QTest::addColumn<QString>("url");         // empty: invalid

    QTest::newRow("MAILTO in capitals") << "MAILTO:someone@example.com" << "" << "mailto:someone@example.com";
    QTest::newRow("mailto in mixed case") << "MailTo:someone@example.com" << "" << "mailto:someone@example.com";
    QTest::newRow("http address as is") << "http://www.example.com/a?b=1" << "" << "http://www.example.com/a?b=1";
    QTest::newRow("https address as is") << "https://www.example.com/" << "" << "https://www.example.com/";
    QTest::newRow("ftp address as is") << "ftp://ftp.example.com/x.txt" << "" << "ftp://ftp.example.com/x.txt";
    QTest::newRow("web address without scheme")
        << "www.example.com/etc/p_vesk.php" << "" << "http://www.example.com/etc/p_vesk.php";
    QTest::newRow("quote page without scheme")
        << "www.example.com/quote.dll?page=q&mode=s&symbol=ABC" << ""
        << "http://www.example.com/quote.dll?page=q&mode=s&symbol=ABC";
    QTest::newRow("host with port is not a scheme")
        << "www.example.com:8080/x" << "" << "http://www.example.com:8080/x";
    QTest::newRow("blanks around") << "  www.example.com  " << "" << "http://www.example.com";
    QTest::newRow("existing absolute file") << "%ROOT%/readme.txt" << "" << "file://%ROOT%/readme.txt";
    QTest::newRow("missing absolute file stays a file")
        << "%ROOT%/missing.txt" << "" << "file://%ROOT%/missing.txt";
    QTest::newRow("relative file in the working directory")
        << "readme.txt" << "%ROOT%" << "file://%ROOT%/readme.txt";
    QTest::newRow("relative name not there is a web address")
        << "missing.txt" << "%ROOT%" << "http://missing.txt";
    QTest::newRow("empty") << "" << "" << "";
}

void TestCommonLaunch::desktopUrl()
{
    QFETCH(QString, target);
    QFETCH(QString, workingDir);
    QFETCH(QString, url);
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString root = QDir(temp.path()).canonicalPath();
    QFile readme(root + "/readme.txt");
    QVERIFY(readme.open(QIODevice::WriteOnly));
    readme.close();
    target.replace("%ROOT%", root);
    workingDir.replace("%ROOT%", root);
    url.replace("%ROOT%", root);

    const QUrl actual = desktopUrlFor(target, workingDir);
    if (url.isEmpty()) {
        QVERIFY(!actual.isValid());
    } else {
        QVERIFY(actual.isValid());
        QCOMPARE(actual.toString(), url);
    }
}

void TestCommonLaunch::launchProgram_data()
{
    QTest::addColumn<LaunchOutcome>("outcome");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("errors");
    const QString message = QStringLiteral(
        "Program http://www.example.com/etc/p_vesk.php in directory /opt/quorvel was not successfully "
        "launched. Please contact support.");
    QTest::newRow("accepted") << LaunchOutcome::Accepted << true << QStringList{};
    QTest::newRow("refused") << LaunchOutcome::Refused << false << QStringList{message};
    QTest::newRow("launcher throws") << LaunchOutcome::Throws << false << QStringList{message};
}

void TestCommonLaunch::launchProgram()
{
    QFETCH(LaunchOutcome, outcome);
    QFETCH(bool, result);
    QFETCH(QStringList, errors);
    FakeLauncher launcher;
    launcher.outcome = outcome;
    FakeDialogs dialogs;
    QWidget owner;

    const bool launched = LaunchProgram(launcher, dialogs, &owner, "http://www.example.com/etc/p_vesk.php", "",
                                        "/opt/quorvel", kShowMaximized);

    QCOMPARE(launched, result);
    QCOMPARE(launcher.targets, QStringList{"http://www.example.com/etc/p_vesk.php"});
    QCOMPARE(launcher.workingDirectories, QStringList{"/opt/quorvel"});
    QCOMPARE(dialogs.errors, errors);
    for (QWidget* parent : dialogs.parents)
        QCOMPARE(parent, &owner);
    QCOMPARE(dialogs.others, 0);
}

void TestCommonLaunch::messageBoxes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<int>("buttons");  // QMessageBox::StandardButtons
    QTest::addColumn<QMessageBox::StandardButton>("press");  // NoButton: Escape
    QTest::addColumn<Dialogs::Answer>("answer");  // confirm only
    const int yesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QTest::newRow("error") << "error" << QMessageBox::Critical << int(QMessageBox::Ok) << QMessageBox::Ok
                           << Dialogs::Answer::Yes;
    QTest::newRow("information") << "information" << QMessageBox::Information << int(QMessageBox::Ok)
                                 << QMessageBox::Ok << Dialogs::Answer::Yes;
    QTest::newRow("confirm: Yes") << "confirm" << QMessageBox::Question << yesNoCancel << QMessageBox::Yes
                                  << Dialogs::Answer::Yes;
    QTest::newRow("confirm: No") << "confirm" << QMessageBox::Question << yesNoCancel << QMessageBox::No
                                 << Dialogs::Answer::No;
    QTest::newRow("confirm: Cancel") << "confirm" << QMessageBox::Question << yesNoCancel
                                     << QMessageBox::Cancel << Dialogs::Answer::Cancel;
    QTest::newRow("confirm: Escape") << "confirm" << QMessageBox::Question << yesNoCancel
                                     << QMessageBox::NoButton << Dialogs::Answer::Cancel;
}

void TestCommonLaunch::messageBoxes()
{
    QFETCH(QString, kind);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(int, buttons);
    QFETCH(QMessageBox::StandardButton, press);
    QFETCH(Dialogs::Answer, answer);

    const QString text = QStringLiteral("Delete account \"ABC\". Are you sure?");
    QString seenTitle;
    QString seenText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    int seenButtons = 0;
    bool shown = false;
    whenBoxShown([&](QMessageBox* box) {
        shown = true;
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = box->icon();
        seenButtons = int(box->standardButtons());
        QAbstractButton* button = box->button(press);
        if (button)
            button->click();
        else
            box->reject();  // what Escape does
    });

    QWidget owner;
    MessageBoxDialogs dialogs;
    if (kind == "error")
        dialogs.error(&owner, text);
    else if (kind == "information")
        dialogs.information(&owner, text);
    else
        QCOMPARE(dialogs.confirm(&owner, text), answer);

    QVERIFY(shown);
    QCOMPARE(seenTitle, QStringLiteral("Quorvel"));
    QCOMPARE(seenText, text);
    QCOMPARE(seenIcon, icon);
    QCOMPARE(seenButtons, buttons);
}

QTEST_MAIN(TestCommonLaunch)
#include "test_common_launch.moc"
