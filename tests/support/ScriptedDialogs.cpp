#include "ScriptedDialogs.h"

namespace quorvel {

void ScriptedDialogs::error(QWidget* parent, const QString& text)
{
    calls.append({Kind::Error, text, parent});
}

void ScriptedDialogs::information(QWidget* parent, const QString& text)
{
    calls.append({Kind::Information, text, parent});
}

Dialogs::Answer ScriptedDialogs::confirm(QWidget* parent, const QString& text)
{
    calls.append({Kind::Confirm, text, parent});
    if (answers.isEmpty()) {
        ++unscriptedConfirms;
        return Answer::No;
    }
    return answers.takeFirst();
}

QStringList ScriptedDialogs::texts(Kind kind) const
{
    QStringList result;
    for (const Call& call : calls) {
        if (call.kind == kind)
            result.append(call.text);
    }
    return result;
}

QStringList ScriptedDialogs::allTexts() const
{
    QStringList result;
    for (const Call& call : calls)
        result.append(call.text);
    return result;
}

void ScriptedDialogs::clear()
{
    calls.clear();
    answers.clear();
    unscriptedConfirms = 0;
}

}  // namespace quorvel
