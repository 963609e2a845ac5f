#pragma once

#include <QStringList>

class QTextStream;

namespace skinpack {

// Sub-commands of skinpack working on packages; `args` holds the arguments after the
// sub-command's name. Each prints to stdout/stderr and returns the process exit code.

// list FILE.skn: the package version, then one line per entry: name and size.
int runList(const QStringList &args);
// unpack FILE.skn DIR: writes every entry into DIR (created when missing).
int runUnpack(const QStringList &args);
// pack DIR FILE.skn: packs a folder of one INI and BMP files as a version 20000 package.
int runPack(const QStringList &args);

// The same, writing to the given streams (used by tests).
int runList(const QStringList &args, QTextStream &out, QTextStream &err);
int runUnpack(const QStringList &args, QTextStream &out, QTextStream &err);
int runPack(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace skinpack
