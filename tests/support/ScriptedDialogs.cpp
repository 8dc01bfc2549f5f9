// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedDialogs.h"

namespace mqt::test {

int ScriptedDialogs::AskYesNo(const QString& prompt)
{
    shown_.append({Kind::Question, prompt});
    if (answers_.isEmpty()) return No;
    const Answer answer = answers_.dequeue();
    if (answer.meanwhile) answer.meanwhile();
    return answer.answer;
}

void ScriptedDialogs::ShowError(const QString& message) { shown_.append({Kind::Error, message}); }

void ScriptedDialogs::ShowMessage(const QString& message) { shown_.append({Kind::Message, message}); }

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& initial)
{
    shown_.append({Kind::Input, prompt});
    inputInitials_.append(initial);
    return inputs_.isEmpty() ? QString() : inputs_.dequeue();
}

int ScriptedDialogs::ChooseFromList(const QString& prompt, const QStringList& choices)
{
    shown_.append({Kind::Choice, prompt});
    choiceLists_.append(choices);
    return choices_.isEmpty() ? -1 : choices_.dequeue();
}

bool ScriptedDialogs::AskRetry(const QString& message)
{
    shown_.append({Kind::Retry, message});
    if (retries_.isEmpty()) return false;
    const RetryAnswer answer = retries_.dequeue();
    if (answer.meanwhile) answer.meanwhile();
    return answer.retry;
}

QStringList ScriptedDialogs::Texts(Kind kind) const
{
    QStringList texts;
    for (const Shown& box : shown_)
        if (box.kind == kind) texts << box.text;
    return texts;
}

}  // namespace mqt::test
