#pragma once

#include <QStringList>

namespace skinpack {

// generate --out FILE.skn [--dump-dir DIR] [--preview FILE.png] [--resource-dir DIR]
// Draws our skin, writes the package and, on request, its loose files, the program's fallback
// images and a preview picture. Returns the process exit code.
int runGenerate(const QStringList &args);

} // namespace skinpack
