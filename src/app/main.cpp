// Quorvel: the record of retirement-account holdings.
//
//   quorvel                       the program
//   quorvel --screenshot FILE [--page CAPTION]
//                                 start up offscreen, save a picture of the
//                                 main window (showing that page) to FILE and exit
// Without a display the program does the latter by itself, into
// quorvel-main-window.png in the current folder.
#include "app/ConsoleDialogs.h"
#include "app/FormVesk.h"
#include "app/QuietPlatformNotes.h"
#include "app/QuorvelApplication.h"

#include <QDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

QString argumentValue(int argc, char* argv[], const char* option)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    }
    return {};
}

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[])
{
    QString screenshot = argumentValue(argc, argv, "--screenshot");
    const QString page = argumentValue(argc, argv, "--page");
    const bool headless = !hasDisplay();
    if (headless && screenshot.isEmpty())
        screenshot = QStringLiteral("quorvel-main-window.png");
    if (!screenshot.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        quorvel::installQuietPlatformNotes();
    }

    quorvel::QuorvelApplication app(argc, argv);
    quorvel::ConsoleDialogs consoleDialogs;
    quorvel::FormVesk::Environment environment;
    if (!screenshot.isEmpty())
        environment.dialogs = &consoleDialogs;
    quorvel::FormVesk window(environment);
    app.setMainWindow(&window);
    if (!screenshot.isEmpty()) {
        window.setWindowState(Qt::WindowNoState);
        window.resize(1024, 700);
    }
    window.show();

    if (!screenshot.isEmpty()) {
        // Resolved now: the start-up moves the current directory to the settings file.
        const QString path = QDir(QDir::currentPath()).absoluteFilePath(screenshot);
        if (!window.startUp())
            return 1;
        if (!page.isEmpty())
            window.showPage(page);
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "Could not save the picture of the main window to %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%sSaved a picture of the main window to %s\n",
                    headless ? "No display found. " : "", qPrintable(path));
        return 0;
    }

    int exitCode = 0;
    // The start-up runs once the window is on screen, as its first activation.
    QTimer::singleShot(0, &window, [&] {
        if (!window.startUp()) {
            exitCode = 1;
            window.close();
            app.quit();
        }
    });
    const int loop = app.exec();
    return exitCode ? exitCode : loop;
}
