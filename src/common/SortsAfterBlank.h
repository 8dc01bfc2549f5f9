#pragma once

#include <QString>

namespace mqt {

// Whether a box counts as filled: its text sorts after a single blank by
// character codes. Empty text, a lone blank and text that begins with a
// control character do not; two blanks, or a blank before a letter, do.
inline bool SortsAfterBlank(const QString& text) { return text > QStringLiteral(" "); }

}  // namespace mqt
