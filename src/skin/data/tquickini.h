#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace skin {

// Read-only parser of the skin's INI text (8-bit, read as Latin-1). Lines end at CR, LF or
// CR LF; a NUL ends the text; each line is trimmed of bytes <= 0x20; empty lines and lines
// starting with ';' are dropped. Section names and keys compare ASCII case-insensitively; the
// first section of a name and the first occurrence of a key win; an empty value gives the
// default.
class TQuickIni {
public:
    // Reads from the device's current position to its end; a null device does nothing.
    void LoadFromStream(QIODevice *stream);
    void LoadFromBytes(QByteArrayView text);

    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    int ReadInteger(const QString &section, const QString &key, int def) const;
    // Replaces the contents of `strings` with the section names, brackets and blanks removed.
    void ReadSections(QStringList &strings) const;

    static QString KeyOfLine(const QString &line);
    static QString ValueOfLine(const QString &line, const QString &key);
    static bool IsSectionLine(const QString &line);
    int SectionIndex(const QString &name) const; // index of the header in Lines(), or -1

    // Text to integer with a default: [+-] then decimal digits, or '$' and up to 8 hex digits
    // (wrapping to 32 bits); anything else, or a decimal number outside 32 bits, gives def.
    static int StrToIntDef(const QString &text, int def);

    const QStringList &Lines() const { return lines; }

private:
    struct Section {
        QString header; // "[name]" as kept in lines
        int line;
    };
    QStringList lines;
    QList<Section> sections;
};

} // namespace skin
