// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OneLineBoxes.h"

#include <QLineEdit>
#include <QValidator>

namespace mqt {

namespace {

bool BreaksTheLine(QChar ch)
{
    switch (ch.unicode()) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x85:    // next line
    case 0x2028:  // line separator
    case 0x2029:  // paragraph separator
        return true;
    default:
        return false;
    }
}

// Accepts every text, with its tabs and line breaks made blanks.
class OneLineValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        const QString before = input.left(position);
        input = OnOneLine(input);
        position = int(OnOneLine(before).size());
        return Acceptable;
    }
};

}  // namespace

QString OnOneLine(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (!BreaksTheLine(ch)) {
            result += ch;
            continue;
        }
        if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        result += u' ';
    }
    return result;
}

void KeepBoxesOnOneLine(QWidget& window)
{
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (box->validator()) continue;
        box->setValidator(new OneLineValidator(box));
        // A text set before the check came.
        if (const QString text = OnOneLine(box->text()); text != box->text()) box->setText(text);
    }
}

}  // namespace mqt
