#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPair>
#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>

namespace skin {
class TSkinPackageWriter;
struct SkinObjects;
} // namespace skin

namespace skin::test {

// A colour-coded skin built in memory for tests: every section of the skin INI vocabulary, and
// every image a strip whose frames are each one solid colour of their own (never the key
// colour), so a pixel names the image and frame it came from. Packed with the production
// package writer; load it through TSkinData::SetSkinStream(Packed()).
class TTestSkin {
public:
    TTestSkin(); // the complete skin

    // Sections and keys, kept in insertion order; SetKey adds a section when needed.
    void SetKey(const QString &section, const QString &key, const QString &value);
    void RemoveKey(const QString &section, const QString &key);
    void RemoveSection(const QString &section);

    // Package entries besides the INI, stored as named (the reader lower-cases the names).
    void SetImage(const QString &name, const QImage &image);
    // A strip of `frames` solid frames of `frameSize`, stacked when vertical.
    void SetStrip(const QString &name, int frames, QSize frameSize, bool vertical = false);
    void SetRawEntry(const QString &name, const QByteArray &bytes);

    // Turns the given pixels of an image already in the package into the key colour (its frame
    // colours stay known).
    void SetKeyPixels(const QString &name, const QList<QPoint> &pixels);

    // Solid colour of frame `frame` (1-based) of a strip made by SetStrip; 0 when unknown.
    QRgb FrameColour(const QString &imageName, int frame) const;
    // Paints a size x size square of the key colour into the top-left corner of every frame
    // of a horizontal strip made by SetStrip (its frame colours stay known).
    void KeyFrameCorners(const QString &imageName, int size);

    QByteArray Ini() const; // CR LF lines
    QByteArray Unpacked(quint32 version = 20000) const;
    QByteArray Packed(quint32 version = 20000) const;
    // The skin as a skin-data component reads it from Packed(); a refusal ends the test run.
    std::shared_ptr<const SkinObjects> Read() const;

    // Entry name of the INI text inside the package.
    static QString IniName() { return QStringLiteral("skin.ini"); }
    // 24-bit BMP bytes of an image.
    static QByteArray BmpBytes(const QImage &image);

private:
    struct Section {
        QString name;
        QList<QPair<QString, QString>> keys;
    };
    Section *FindSection(const QString &name);
    const Section *FindSection(const QString &name) const;
    QRgb NextColour();
    void Fill(TSkinPackageWriter &writer) const;

    QList<Section> sections;
    QList<QPair<QString, QByteArray>> entries; // name, bytes
    QHash<QString, QList<QRgb>> frameColours;
    int colourCounter = 0;
};

} // namespace skin::test
