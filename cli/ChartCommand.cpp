#include "cli/ChartCommand.h"

#include "charts/ChartBuilder.h"
#include "charts/ChartExport.h"
#include "charts/ChartListRequests.h"
#include "charts/ChartOutput.h"
#include "charts/ChartView.h"
#include "cli/CommandLine.h"
#include "cli/OpenDataStore.h"
#include "common/Dates.h"
#include "data/ChartDefStore.h"

#include <QApplication>
#include <QSaveFile>

namespace quorvel::cli {

namespace {

using namespace quorvel::charts;

const char* const kUsage =
    "usage: quorvel-cli chart DIR (--list ITEM | --custom NAME) [--current CODE]\n"
    "         [--start mm/dd/yyyy] [--end mm/dd/yyyy] [--today mm/dd/yyyy]\n"
    "         [--span Monthly|Quarterly|Yearly] [--value Price|Shares|Value] [--by Account|Category]\n"
    "         [--marks show|hide] [--3d yes|no] [--rotation 0..360]\n"
    "         [--format json|csv|png|svg|pdf] [--out FILE]\n"
    "       ITEM: \"All Accounts (Line)\", \"All Accounts (Pie)\", \"All Accounts (Stacked)\",\n"
    "             \"Current Account (Line)\", \"Current Category (Line)\", \"Gain/Loss All Accounts\",\n"
    "             \"Overall (Line)\"\n";

struct ChartCommand {
    QString dir;
    QString listItem;
    QString customName;
    QString current;
    QString format = QStringLiteral("json");
    QString outFile;
    ChartRequest request;
    ChartOptions options;
};

// Reads the arguments into a command; an empty error means they are usable.
QString readArguments(const QStringList& args, ChartCommand& command)
{
    const ParsedArguments parsed =
        parseArguments(args,
                       {"--list", "--custom", "--current", "--start", "--end", "--today", "--span", "--value", "--by",
                        "--marks", "--3d", "--rotation", "--format", "--out"},
                       {});
    if (!parsed.error.isEmpty())
        return parsed.error;
    if (parsed.positional.size() != 1)
        return QStringLiteral("name one data directory");
    command.dir = parsed.positional.first();
    const auto& o = parsed.options;

    if (o.contains("--list") == o.contains("--custom"))
        return QStringLiteral("give either --list or --custom");
    command.listItem = o.value("--list");
    command.customName = o.value("--custom");
    if (o.contains("--list") && !findChartListItem(command.listItem))
        return QStringLiteral("unknown chart list item \"%1\"").arg(command.listItem);
    command.current = o.value("--current");
    if ((command.listItem == QLatin1String("Current Account (Line)")
         || command.listItem == QLatin1String("Current Category (Line)"))
        && command.current.isEmpty())
        return QStringLiteral("\"%1\" needs --current CODE").arg(command.listItem);

    ChartRequest& request = command.request;
    request.today = QDate::currentDate();
    if (o.contains("--today")) {
        request.today = parseUsDate(o.value("--today"));
        if (!request.today.isValid())
            return QStringLiteral("--today needs a date mm/dd/yyyy");
    }
    request.start = defaultChartStart(request.today);
    request.end = defaultChartEnd(request.today);
    for (const auto& [option, date] : {std::pair<const char*, QDate*>{"--start", &request.start},
                                       std::pair<const char*, QDate*>{"--end", &request.end}}) {
        if (o.contains(option)) {
            *date = parseUsDate(o.value(option));
            if (!date->isValid())
                return QStringLiteral("%1 needs a date mm/dd/yyyy").arg(option);
        }
    }

    const QStringList spans = {"Monthly", "Quarterly", "Yearly"};
    const QStringList values = {"Price", "Shares", "Value"};
    const QStringList bys = {"Account", "Category"};
    const QStringList formats = {"json", "csv", "png", "svg", "pdf"};
    const QString span = o.value("--span", "Monthly");
    const QString value = o.value("--value", "Value");
    const QString by = o.value("--by", "Category");
    const QString marks = o.value("--marks", "hide");
    const QString threeD = o.value("--3d", "yes");
    command.format = o.value("--format", "json");
    if (!spans.contains(span))
        return QStringLiteral("--span is Monthly, Quarterly or Yearly");
    if (!values.contains(value))
        return QStringLiteral("--value is Price, Shares or Value");
    if (!bys.contains(by))
        return QStringLiteral("--by is Account or Category");
    if (marks != QLatin1String("show") && marks != QLatin1String("hide"))
        return QStringLiteral("--marks is show or hide");
    if (threeD != QLatin1String("yes") && threeD != QLatin1String("no"))
        return QStringLiteral("--3d is yes or no");
    if (!formats.contains(command.format))
        return QStringLiteral("--format is json, csv, png, svg or pdf");
    bool rotationOk = true;
    command.options.pieRotation = o.value("--rotation", "0").toInt(&rotationOk);
    if (!rotationOk || command.options.pieRotation < 0 || command.options.pieRotation > 360)
        return QStringLiteral("--rotation is a whole number from 0 to 360");
    request.span = static_cast<ChartSpan>(spans.indexOf(span));
    request.value = static_cast<ChartValue>(values.indexOf(value));
    request.byAccount = by == QLatin1String("Account");
    command.options.showMarks = marks == QLatin1String("show");
    command.options.threeD = threeD == QLatin1String("yes");

    command.outFile = o.value("--out");
    const bool picture = command.format != QLatin1String("json") && command.format != QLatin1String("csv");
    if (picture && command.outFile.isEmpty())
        return QStringLiteral("--format %1 needs --out FILE").arg(command.format);
    return QString();
}

// Fills the request from the chart list item or the custom definition; an
// empty text when it is ready, else why nothing can be charted.
QString fillRequest(data::Engine& engine, ChartCommand& command)
{
    RequestFill fill;
    if (!command.listItem.isEmpty()) {
        fill = fillFromChartList(engine, command.listItem, command.current, command.request);
    } else {
        const auto definition = data::ChartDefStore(engine).find(QString(), command.customName);
        if (!definition)
            return QStringLiteral("There is no custom chart named \"%1\".").arg(command.customName);
        fill = fillFromCustomChart(engine, *definition, command.request);
    }
    switch (fill) {
    case RequestFill::Filled:
        return QString();
    case RequestFill::NoAccounts:
        return QStringLiteral("The data directory holds no accounts: there is nothing to chart.");
    case RequestFill::UnknownItem:
        return QStringLiteral("Unknown chart list item \"%1\".").arg(command.listItem);
    case RequestFill::MissingDefinition:
        return QStringLiteral("The predefined chart \"%1\" is missing from Charts.ADT.")
            .arg(findChartListItem(command.listItem)->cuName);
    case RequestFill::NoCurrentAccount:
        return QStringLiteral("There is no account \"%1\".").arg(command.current);
    case RequestFill::NoCodes:
        return QStringLiteral("The custom chart \"%1\" lists no accounts.").arg(command.customName);
    }
    return QString();
}

bool writeText(const QString& path, const QByteArray& bytes, QTextStream& out, QTextStream& err)
{
    if (path.isEmpty()) {
        out << QString::fromUtf8(bytes);
        out.flush();
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        err << QStringLiteral("Cannot write \"%1\": %2\n").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool writePicture(const ChartCommand& command, const ChartResult& result, QTextStream& err)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        err << "Chart pictures need the program's GUI application object.\n";
        return false;
    }
    ChartView view;
    const QSize size(1000, 700);
    view.resize(size);
    view.draw(result, command.request, command.options);
    const ChartPictureFormat format = command.format == QLatin1String("png")   ? ChartPictureFormat::Png
                                      : command.format == QLatin1String("svg") ? ChartPictureFormat::Svg
                                                                               : ChartPictureFormat::Pdf;
    if (!exportChart(view, command.outFile, format, size)) {
        err << QStringLiteral("Cannot write \"%1\".\n").arg(command.outFile);
        return false;
    }
    return true;
}

}  // namespace

int runChartCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    ChartCommand command;
    const QString argumentError = readArguments(args, command);
    if (!argumentError.isEmpty()) {
        err << "quorvel-cli chart: " << argumentError << '\n' << kUsage;
        return 2;
    }
    auto engine = openDataStore(command.dir, err);
    if (!engine)
        return 1;

    ChartBuilder builder(*engine);
    int status = 0;
    try {
        const QString fillError = fillRequest(*engine, command);
        if (!fillError.isEmpty()) {
            err << fillError << '\n';
            return 1;
        }
        const ChartResult result = builder.build(command.request);
        if (!result.ready()) {
            out << QString::fromUtf8(chartMessageJson(result.message));
            status = 3;
        } else if (command.format == QLatin1String("json")) {
            status = writeText(command.outFile, chartJson(result, command.request, command.options), out, err) ? 0 : 1;
        } else if (command.format == QLatin1String("csv")) {
            status = writeText(command.outFile, chartCsv(result).toUtf8(), out, err) ? 0 : 1;
        } else {
            status = writePicture(command, result, err) ? 0 : 1;
        }
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        status = 1;
    }
    // The work table lives only while a chart is shown.
    try {
        builder.discardWorkTable();
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        status = 1;
    }
    out.flush();
    return status;
}

}  // namespace quorvel::cli
