#include "app/QuorvelApplication.h"

#include "app/FormVesk.h"

#include <QIcon>
#include <cstdio>

namespace quorvel {

QuorvelApplication::QuorvelApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Quorvel"));
    setApplicationDisplayName(QStringLiteral("Quorvel"));
    setApplicationVersion(QStringLiteral("2.0"));
}

bool QuorvelApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (m_window)
            m_window->reportError(e);
        else
            std::fprintf(stderr, "Quorvel: %s\n", e.what());
    }
    return false;
}

}  // namespace quorvel
