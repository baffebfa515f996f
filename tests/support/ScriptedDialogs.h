#pragma once
// Message boxes for tests: nothing is shown. Every call is recorded in
// `calls` (kind and text, in order), and confirm() answers from `answers`,
// front first. An unscripted confirm() answers No, the harmless answer for
// every question the program asks, and is counted in `unscriptedConfirms`,
// so a test can check that it foresaw every question:
//
//     ScriptedDialogs dialogs;
//     dialogs.answers = {Dialogs::Answer::Yes};
//     ... run the code under test with `dialogs` ...
//     QCOMPARE(dialogs.texts(ScriptedDialogs::Kind::Confirm), QStringList{"Delete ...?"});
//     QCOMPARE(dialogs.unscriptedConfirms, 0);
#include "common/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quorvel {

class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Error, Information, Confirm };
    struct Call {
        Kind kind;
        QString text;
        QWidget* parent;
    };

    QList<Call> calls;        // every box, in the order asked
    QList<Answer> answers;    // confirm() takes from the front
    int unscriptedConfirms = 0;

    void error(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& text) override;

    // Texts of the calls of one kind, in order.
    QStringList texts(Kind kind) const;
    // Texts of all calls, in order.
    QStringList allTexts() const;
    // Forgets the calls, the remaining answers and the unscripted count.
    void clear();
};

}  // namespace quorvel
