#include "app/ConsoleDialogs.h"

#include <cstdio>

namespace quorvel {

void ConsoleDialogs::error(QWidget*, const QString& text)
{
    std::fprintf(stderr, "Error: %s\n", qPrintable(text));
}

void ConsoleDialogs::information(QWidget*, const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

Dialogs::Answer ConsoleDialogs::confirm(QWidget*, const QString& text)
{
    std::fprintf(stderr, "%s (answered No)\n", qPrintable(text));
    return Answer::No;
}

}  // namespace quorvel
