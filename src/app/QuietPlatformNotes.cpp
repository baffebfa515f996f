#include "app/QuietPlatformNotes.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace quorvel {

namespace {

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void installQuietPlatformNotes()
{
    qInstallMessageHandler(quietHandler);
}

}  // namespace quorvel
