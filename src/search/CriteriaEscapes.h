// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

// A criteria string reads double quotes, tildes and grave accents as markers
// and the word NULL as empty text, so a term's value cannot hold them as
// they are. A value may therefore write any character as "%" and its code in
// two hexadecimal digits ("%22" is a double quote); a "%" that is meant as
// itself is written "%25" by the program.

// The value's "%" signs written as "%25", so that no other character changes.
QString EscapePercentSigns(const QString& value);

// A value that an EQ term compares exactly with the given text (in any
// letter case), whatever it holds: "%", double quotes, tildes and grave
// accents escaped, the word NULL escaped, and the whole enclosed in double
// quotes when it holds a comma.
QString ExactCriteriaValue(const QString& value);

// The value as meant: every "%" followed by two hexadecimal digits becomes
// the character of that code.
QString UnescapeCriteriaValue(const QString& value);

}  // namespace mqt
