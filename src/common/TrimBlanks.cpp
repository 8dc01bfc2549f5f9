// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TrimBlanks.h"

namespace mqt {

QStringView TrimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return text.sliced(first, last - first);
}

}  // namespace mqt
