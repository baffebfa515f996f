#include "common/Dialogs.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace quorvel {

namespace {

QString boxTitle()
{
    // applicationDisplayName falls back to applicationName when unset.
    return QGuiApplication::applicationDisplayName();
}

}  // namespace

void MessageBoxDialogs::error(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, boxTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxDialogs::information(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, boxTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

Dialogs::Answer MessageBoxDialogs::confirm(QWidget* parent, const QString& text)
{
    const auto button = QMessageBox::question(parent, boxTitle(), text,
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                              QMessageBox::Yes);
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;  // Cancel, Escape or the window closed
    }
}

}  // namespace quorvel
