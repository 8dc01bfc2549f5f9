// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <functional>

namespace mqt::test {

// Message boxes for tests: answers are queued beforehand and every box shown
// is recorded. A question with no queued answer is answered No.
class ScriptedDialogs final : public Dialogs {
public:
    enum class Kind { Question, Error, Message, Input, Choice, Retry };
    struct Shown {
        Kind kind;
        QString text;
    };

    // The answer to the next question, given once `meanwhile` has run while
    // the question is up (another till's write, say).
    void QueueAnswer(int answer, std::function<void()> meanwhile = {}) { answers_.enqueue({answer, std::move(meanwhile)}); }
    void QueueInput(const QString& text) { inputs_.enqueue(text); }
    // The index a list choice answers; with none queued it is cancelled (-1).
    void QueueChoice(int index) { choices_.enqueue(index); }
    // How a Retry box is answered: Retry or Cancel, once `meanwhile` has run
    // while the box is up (the test's server coming back, say). With none
    // queued it is cancelled.
    void QueueRetry(bool retry, std::function<void()> meanwhile = {}) { retries_.enqueue({retry, std::move(meanwhile)}); }

    int AskYesNo(const QString& prompt) override;
    void ShowError(const QString& message) override;
    void ShowMessage(const QString& message) override;
    using Dialogs::InputBox;
    QString InputBox(const QString& prompt, const QString& initial) override;
    int ChooseFromList(const QString& prompt, const QStringList& choices) override;
    bool AskRetry(const QString& message) override;

    const QList<Shown>& shown() const { return shown_; }
    // The texts shown of one kind, in order.
    QStringList Texts(Kind kind) const;
    QStringList Errors() const { return Texts(Kind::Error); }
    QStringList Messages() const { return Texts(Kind::Message); }
    QStringList Questions() const { return Texts(Kind::Question); }
    QStringList RetryBoxes() const { return Texts(Kind::Retry); }
    // The entries of every list choice shown, in order.
    const QList<QStringList>& ChoiceLists() const { return choiceLists_; }
    // What every input box shown started with, in order.
    const QStringList& InputInitials() const { return inputInitials_; }
    void Clear()
    {
        shown_.clear();
        choiceLists_.clear();
        inputInitials_.clear();
    }

private:
    struct RetryAnswer {
        bool retry;
        std::function<void()> meanwhile;
    };

    struct Answer {
        int answer;
        std::function<void()> meanwhile;
    };

    QQueue<Answer> answers_;
    QQueue<RetryAnswer> retries_;
    QQueue<QString> inputs_;
    QQueue<int> choices_;
    QList<QStringList> choiceLists_;
    QStringList inputInitials_;
    QList<Shown> shown_;
};

}  // namespace mqt::test
