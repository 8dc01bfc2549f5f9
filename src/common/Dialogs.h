// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace mqt {

// Answers of AskYesNo, as the callers test them.
inline constexpr int Yes = 6;
inline constexpr int No = 7;

// The program's message boxes and its one-line input box. Every screen shows
// them through this seam so that tests can answer them and read what was shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A question titled "Warning" with Yes and No; returns Yes or No.
    virtual int AskYesNo(const QString& prompt) = 0;
    // An error box titled "Error Message" with a single OK button.
    virtual void ShowError(const QString& message) = 0;
    // A plain information box titled "Marquill" with a single OK button.
    virtual void ShowMessage(const QString& message) = 0;
    // A one-line input box titled "Marquill" that starts with `initial`
    // typed, all of it selected; cancelling gives empty text.
    virtual QString InputBox(const QString& prompt, const QString& initial) = 0;
    QString InputBox(const QString& prompt) { return InputBox(prompt, QString()); }
    // A choice of one entry from a list, titled "Marquill"; returns the index
    // of the chosen entry, or -1 when the user cancels. The entries differ.
    virtual int ChooseFromList(const QString& prompt, const QStringList& choices) = 0;
    // An error box titled "Error Message" with Retry and Cancel; true for
    // Retry.
    virtual bool AskRetry(const QString& message) = 0;
};

}  // namespace mqt
