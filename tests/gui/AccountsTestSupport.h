#pragma once
// Small helpers of the accounts GUI tests: find the pages' controls, click and
// type as a user does, and read back what the list shows.
#include "MainWindowFixture.h"
#include "accounts/AccountGrid.h"
#include "accounts/AccountInfoPage.h"
#include "accounts/AccountListModel.h"
#include "accounts/AccountsPage.h"
#include "data/ChartDefStore.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace quorvel::test {

inline AccountsPage* accountsPage(MainWindowFixture& f) { return f.window->accountsPage(); }
inline AccountInfoPage* infoPage(MainWindowFixture& f) { return f.window->accountInfoPage(); }
inline AccountGrid* accountGrid(MainWindowFixture& f)
{
    return f.window->findChild<AccountGrid*>(QStringLiteral("DBGAccts"));
}
template <typename T = QAbstractButton>
T* control(MainWindowFixture& f, const QString& name)
{
    T* found = f.window->findChild<T*>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}
inline QLineEdit* infoField(MainWindowFixture& f, const QString& name) { return control<QLineEdit>(f, name); }

// Codes of the list, top to bottom, as the grid shows them.
inline QStringList listedCodes(MainWindowFixture& f)
{
    QAbstractItemModel* model = accountGrid(f)->model();
    QStringList codes;
    for (int row = 0; row < model->rowCount(); ++row)
        codes << model->index(row, 0).data().toString();
    return codes;
}

inline QString currentTab(MainWindowFixture& f)
{
    return f.window->notebook()->tabText(f.window->notebook()->currentIndex());
}

// Lets the queued row change of the grid run.
inline void settle() { QCoreApplication::processEvents(); }

inline void clickTitle(MainWindowFixture& f, const QString& title)
{
    QHeaderView* header = accountGrid(f)->horizontalHeader();
    for (int section = 0; section < header->count(); ++section) {
        if (header->model()->headerData(section, Qt::Horizontal).toString() == title) {
            const QPoint at(header->sectionViewportPosition(section) + 4, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            settle();
            return;
        }
    }
    QFAIL(qPrintable("no column titled " + title));
}

inline void clickRow(MainWindowFixture& f, int row)
{
    AccountGrid* grid = accountGrid(f);
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    settle();
}

inline int rowOf(MainWindowFixture& f, const QString& code) { return listedCodes(f).indexOf(code); }

inline void clickRowOf(MainWindowFixture& f, const QString& code)
{
    const int row = rowOf(f, code);
    QVERIFY2(row >= 0, qPrintable(code + " is not listed"));
    clickRow(f, row);
}

inline void chooseFilter(MainWindowFixture& f, const QString& caption)
{
    for (QRadioButton* radio : control<QWidget>(f, QStringLiteral("RGAcctsFilter"))->findChildren<QRadioButton*>()) {
        if (radio->text() == caption) {
            QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, QPoint(6, radio->height() / 2));
            settle();
            return;
        }
    }
    QFAIL(qPrintable("no filter " + caption));
}

// Replaces the field's text by typing, as a user does.
inline void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, c.toLatin1());
        else  // a character the keyboard map has no key for, typed as text
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

inline void click(MainWindowFixture& f, const QString& buttonName)
{
    QAbstractButton* button = control(f, buttonName);
    QVERIFY2(button, qPrintable(buttonName));
    QVERIFY2(button->isEnabled(), qPrintable(buttonName + " is disabled"));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    settle();
}

inline QString overallValue(MainWindowFixture& f)
{
    return control<QLabel>(f, QStringLiteral("LblOverallValue"))->text();
}

inline data::ChartDef customChart(const QString& name, const QStringList& codes)
{
    data::ChartDef def;
    def.name = name;
    def.title = name;
    def.type = QStringLiteral("L");
    for (const QString& code : codes)
        def.codes += code + QStringLiteral("\r\n");
    return def;
}

// Every stored chart definition's code list, by name.
inline QMap<QString, QString> storedCodeLists(data::Engine& engine)
{
    QMap<QString, QString> lists;
    for (const data::ChartDef& def : data::ChartDefStore(engine).all())
        lists.insert(def.internal + def.name, def.codes);
    return lists;
}

}  // namespace quorvel::test
