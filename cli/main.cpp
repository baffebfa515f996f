// quorvel-cli: the data directory from the command line.
//
//   quorvel-cli init DIR [--demo] [--ini PATH] [--today mm/dd/yyyy]
//   quorvel-cli values DIR [--filter all|active|closed] [--sort FIELD] [--desc]
//   quorvel-cli chart DIR ...   (see ChartCommand.h)
#include "app/QuietPlatformNotes.h"
#include "cli/ChartCommand.h"
#include "cli/InitCommand.h"
#include "cli/ValuesCommand.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[])
{
    // Charts are drawn with Qt's painting, which needs a GUI application; no display is used.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    quorvel::installQuietPlatformNotes();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    const QString usage = QStringLiteral(
        "usage: quorvel-cli init DIR [--demo] [--ini PATH] [--today mm/dd/yyyy]\n"
        "       quorvel-cli values DIR [--filter all|active|closed] "
        "[--sort ACode|AName|ACoName|ACategory|AValue] [--desc]\n"
        "       quorvel-cli chart DIR (--list ITEM | --custom NAME) [options]\n");
    if (args.isEmpty()) {
        err << usage;
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("init"))
        return quorvel::cli::runInitCommand(args, out, err);
    if (command == QLatin1String("values"))
        return quorvel::cli::runValuesCommand(args, out, err);
    if (command == QLatin1String("chart"))
        return quorvel::cli::runChartCommand(args, out, err);
    err << usage;
    return 2;
}
