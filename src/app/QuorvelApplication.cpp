#include "app/QuorvelApplication.h"

#include "app/FormVesk.h"

#include <QFont>
#include <cstdio>

namespace quorvel {

QuorvelApplication::QuorvelApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Quorvel"));
    setApplicationDisplayName(QStringLiteral("Quorvel"));
    setApplicationVersion(QStringLiteral("2.0"));
    // The layout names Windows fonts; fontconfig maps Courier New and Times New
    // Roman to the metric-compatible Liberation fonts but has no alias for this one.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
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
