#pragma once

#include <QByteArray>

// Reproducible test inputs for the package coder and reader.
namespace samplebytes {

// Uniform random bytes from a fixed seed.
QByteArray Random(qsizetype size, quint32 seed);
// Bitmap-like data: rows of solid runs and gradients with a few noisy pixels, compressible the
// way skin images are.
QByteArray ImageLike(qsizetype size, quint32 seed);
// Text with repeated words, lines and keys, like an INI.
QByteArray TextLike(qsizetype size, quint32 seed);

} // namespace samplebytes
