#pragma once

#include <QByteArray>
#include <QStringView>

namespace common {

// The 8-bit form of a text for password forms and CSV files: the GBK (code page 936) bytes of
// every character GBK has, so that earlier forms and files stay byte for byte the same, and
// the GB18030 four-byte form of every other character, so that no character is lost and no
// two texts share their bytes. An unpaired surrogate becomes '?'.
QByteArray toGbkText(QStringView text);

// The 8-bit form earlier versions gave a text: the same, except that a text with no surrogate
// and no U+FEFF lost the characters GBK leaves out without a trace (U+200B, U+202E, U+00AD, ...).
// Only for recognising password forms stored by those versions.
QByteArray toEarlierGbkText(QStringView text);

} // namespace common
