// Files on disk: finding the data directory through VeskConnect.ini, and
// deleting scratch files. Every case builds real folders in a temporary dir.
#include "common/FileUtil.h"
#include "common/SettingsSearch.h"

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace quorvel;

namespace {

using IniFiles = QList<QPair<QString, QByteArray>>;  // folder below the root, file content

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// "%ROOT%" stands for the temporary root; an empty text stays empty.
QString underRoot(const QString& text, const QString& root)
{
    QString result = text;
    return result.replace(QLatin1String("%ROOT%"), root);
}

}  // namespace

Q_DECLARE_METATYPE(IniFiles)

class TestCommonFiles : public QObject {
    Q_OBJECT
private slots:
    void findDataDirectory_data();
    void findDataDirectory();
    void noSettingsFileAnywhere();
    void directoryNamedLikeTheFileIsSkipped();
    void deleteFileIfExists_data();
    void deleteFileIfExists();
};

void TestCommonFiles::findDataDirectory_data()
{
    QTest::addColumn<QString>("exeDir");         // below the root
    QTest::addColumn<IniFiles>("iniFiles");
    QTest::addColumn<QString>("dataDirectory");  // with %ROOT%
    QTest::addColumn<QString>("foundIn");        // folder of the file found, below the root

    QTest::newRow("beside the program")
        << "prog" << IniFiles{{"prog", "[Connect]\nDataDir=%ROOT%/data\n"}} << "%ROOT%/data" << "prog";
    QTest::newRow("two levels up")
        << "A/B/C" << IniFiles{{"A", "[Connect]\nDataDir=%ROOT%/data\n"}} << "%ROOT%/data" << "A";
    QTest::newRow("nearer folder wins")
        << "A/B/C"
        << IniFiles{{"A", "[Connect]\nDataDir=%ROOT%/far\n"}, {"A/B", "[Connect]\nDataDir=%ROOT%/near\n"}}
        << "%ROOT%/near" << "A/B";
    QTest::newRow("no DataDir key: the program's folder")
        << "A/B/C" << IniFiles{{"A", "[Connect]\nOther=1\n"}} << "%ROOT%/A/B/C" << "A";
    QTest::newRow("no Connect section: the program's folder")
        << "prog" << IniFiles{{"prog", "[Other]\nDataDir=%ROOT%/data\n"}} << "%ROOT%/prog" << "prog";
    QTest::newRow("relative to the file's folder")
        << "A/B/C" << IniFiles{{"A", "[Connect]\nDataDir=data\n"}} << "%ROOT%/A/data" << "A";
    QTest::newRow("relative with parent steps")
        << "A/B" << IniFiles{{"A", "[Connect]\nDataDir=../shared/data\n"}} << "%ROOT%/shared/data" << "A";
    QTest::newRow("trailing separator dropped")
        << "prog" << IniFiles{{"prog", "[Connect]\nDataDir=%ROOT%/data/\n"}} << "%ROOT%/data" << "prog";
    QTest::newRow("empty value: no usable file")
        << "prog" << IniFiles{{"prog", "[Connect]\nDataDir=\n"}} << "" << "prog";
    QTest::newRow("names in another case")
        << "prog" << IniFiles{{"prog", "[connect]\ndatadir=%ROOT%/data\n"}} << "%ROOT%/data" << "prog";
    QTest::newRow("UTF-8 path")
        << "prog" << IniFiles{{"prog", "[Connect]\nDataDir=%ROOT%/\xc3\x9c" "bersicht\n"}}
        << QString::fromUtf8("%ROOT%/Übersicht") << "prog";
    QTest::newRow("blanks in the path")
        << "prog" << IniFiles{{"prog", "[Connect]\nDataDir=%ROOT%/my data\n"}} << "%ROOT%/my data" << "prog";
    QTest::newRow("comma in the path")
        << "prog" << IniFiles{{"prog", "[Connect]\nDataDir=%ROOT%/a,b\n"}} << "%ROOT%/a,b" << "prog";
    QTest::newRow("quoted path")
        << "prog" << IniFiles{{"prog", "[Connect]\nDataDir=\"%ROOT%/a, b\"\n"}} << "%ROOT%/a, b" << "prog";
    QTest::newRow("program folder given with a trailing separator")
        << "prog/" << IniFiles{{"prog", "[Connect]\n"}} << "%ROOT%/prog" << "prog";
}

void TestCommonFiles::findDataDirectory()
{
    QFETCH(QString, exeDir);
    QFETCH(IniFiles, iniFiles);
    QFETCH(QString, dataDirectory);
    QFETCH(QString, foundIn);

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString root = QDir(temp.path()).canonicalPath();
    QVERIFY(QDir().mkpath(root + "/" + exeDir));
    for (const auto& ini : iniFiles) {
        const QByteArray content = QByteArray(ini.second).replace("%ROOT%", root.toUtf8());
        QVERIFY(writeFile(root + "/" + ini.first + "/VeskConnect.ini", content));
    }

    const QString currentBefore = QDir::currentPath();
    const SettingsSearchResult result = quorvel::findDataDirectory(root + "/" + exeDir);

    QCOMPARE(result.dataDirectory, underRoot(dataDirectory, root));
    QCOMPARE(result.settingsFile, root + "/" + foundIn + "/VeskConnect.ini");
    QCOMPARE(result.lastDirectory, root + "/" + foundIn);
    QCOMPARE(QDir::currentPath(), currentBefore);  // the search does not move the process
}

void TestCommonFiles::noSettingsFileAnywhere()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString root = QDir(temp.path()).canonicalPath();
    for (QDir dir(root);; ) {
        if (QFileInfo::exists(dir.filePath("VeskConnect.ini")))
            QSKIP("a VeskConnect.ini lies in an ancestor of the temporary folder");
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    const QString exeDir = root + "/X/Y";
    QVERIFY(QDir().mkpath(exeDir));

    const SettingsSearchResult result = quorvel::findDataDirectory(exeDir);
    QVERIFY(result.dataDirectory.isEmpty());
    QVERIFY(result.settingsFile.isEmpty());
    QCOMPARE(result.lastDirectory, QStringLiteral("/"));  // the root was searched too
}

void TestCommonFiles::directoryNamedLikeTheFileIsSkipped()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString root = QDir(temp.path()).canonicalPath();
    QVERIFY(QDir().mkpath(root + "/A/B/VeskConnect.ini"));
    QVERIFY(writeFile(root + "/A/VeskConnect.ini", "[Connect]\nDataDir=data\n"));

    const SettingsSearchResult result = quorvel::findDataDirectory(root + "/A/B");
    QCOMPARE(result.settingsFile, root + "/A/VeskConnect.ini");
    QCOMPARE(result.dataDirectory, root + "/A/data");
}

void TestCommonFiles::deleteFileIfExists_data()
{
    QTest::addColumn<QString>("kind");  // what lies at the name
    QTest::addColumn<bool>("deleted");
    QTest::newRow("file") << "file" << true;
    QTest::newRow("nothing") << "nothing" << false;
    QTest::newRow("directory") << "directory" << false;
    QTest::newRow("empty name") << "empty name" << false;
}

void TestCommonFiles::deleteFileIfExists()
{
    QFETCH(QString, kind);
    QFETCH(bool, deleted);
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    QString name = temp.filePath("~temp.txt");
    if (kind == "file")
        QVERIFY(writeFile(name, "ABC\r\n"));
    else if (kind == "directory")
        QVERIFY(QDir().mkpath(name));
    else if (kind == "empty name")
        name.clear();

    QCOMPARE(DeleteFileIfExists(name), deleted);
    if (kind == "file")
        QVERIFY(!QFileInfo::exists(name));
    if (kind == "directory")
        QVERIFY(QFileInfo(name).isDir());
}

QTEST_APPLESS_MAIN(TestCommonFiles)
#include "test_common_files.moc"
