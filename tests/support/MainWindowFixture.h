#pragma once
// The real main window over a fresh data directory, offscreen, with the
// program folder and today's date injected and message boxes scripted.
//
//   MainWindowFixture f(QDate(2008, 6, 15));
//   f.addAccount(...); f.addEntry(...);      // before start()
//   QVERIFY(f.start());
//   auto* grid = f.window->findChild<QTableView*>("DBGAccts");
#include "DataDirFixture.h"
#include "RecordingLauncher.h"
#include "ScriptedDialogs.h"
#include "app/FormVesk.h"

#include <QDir>
#include <QSettings>
#include <memory>

namespace quorvel::test {

class MainWindowFixture {
public:
    explicit MainWindowFixture(const QDate& today = QDate(2008, 6, 15)) : today(today)
    {
        QDir(data.root()).mkpath(QStringLiteral("bin"));
        data::writeSettingsFile(exeDir() + QStringLiteral("/VeskConnect.ini"), data.dataDir());
    }

    QString exeDir() const { return data.root() + QStringLiteral("/bin"); }

    void addAccount(const data::Account& account)
    {
        auto engine = data.openEngine();
        data::AccountStore(*engine).insert(account);
    }
    void addEntry(const data::Entry& entry)
    {
        auto engine = data.openEngine();
        data::EntryStore(*engine).insert(entry);
    }

    // Builds the window and runs its start-up; false when the start-up ended the program.
    bool start()
    {
        FormVesk::Environment env;
        env.exeDir = exeDir();
        env.today = today;
        env.dialogs = &dialogs;
        env.launcher = &launcher;
        window = std::make_unique<FormVesk>(env);
        window->setWindowState(Qt::WindowNoState);
        window->resize(1024, 700);
        window->show();
        return window->startUp();
    }

    data::Engine& engine() { return window->engine(); }

    DataDirFixture data;
    QDate today;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    std::unique_ptr<FormVesk> window;
};

}  // namespace quorvel::test
