#pragma once

#include <QByteArray>
#include <QStringView>

namespace common {

// The 8-bit form of a text for password forms and CSV files: the GBK (code page 936) bytes of
// every character GBK has, so that earlier forms and files stay byte for byte the same, and
// the GB18030 four-byte form of every other character, so that no character is lost and no
// two texts share their bytes. An unpaired surrogate becomes '?'.
QByteArray toGbkText(QStringView text);

} // namespace common
