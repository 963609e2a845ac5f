#include "skin/data/tquickini.h"

#include "skin/package/asciicase.h"

#include <QIODevice>
#include <limits>

namespace skin {

namespace {

// Trims every character up to and including the space at both ends.
QString TrimBlanks(const QString &s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b].unicode() <= 0x20)
        ++b;
    while (e > b && s[e - 1].unicode() <= 0x20)
        --e;
    return s.sliced(b, e - b);
}

bool IsHexDigit(QChar ch, int &value) {
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    else
        return false;
    return true;
}

} // namespace

void TQuickIni::LoadFromStream(QIODevice *stream) {
    if (!stream)
        return;
    LoadFromBytes(stream->readAll());
}

void TQuickIni::LoadFromBytes(QByteArrayView text) {
    lines.clear();
    sections.clear();
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text = text.first(nul);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3); // a UTF-8 byte-order mark would hide the first header

    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype start = i;
        while (i < n && text[i] != '\r' && text[i] != '\n')
            ++i;
        const QString line = TrimBlanks(QString::fromLatin1(text.sliced(start, i - start)));
        if (i < n && text[i] == '\r')
            ++i;
        if (i < n && text[i] == '\n')
            ++i;
        if (line.isEmpty() || line.front() == u';')
            continue;
        lines.append(line);
        if (line.front() == u'[' && line.back() == u']' && line.size() >= 2)
            sections.append({line, int(lines.size() - 1)});
    }
}

QString TQuickIni::KeyOfLine(const QString &line) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return QString();
    return AsciiLower(TrimBlanks(line.first(eq)));
}

QString TQuickIni::ValueOfLine(const QString &line, const QString &key) {
    if (line.isEmpty() || key.isEmpty() || KeyOfLine(line) != key)
        return QString();
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return QString();
    return TrimBlanks(line.sliced(eq + 1));
}

bool TQuickIni::IsSectionLine(const QString &line) {
    const QString t = TrimBlanks(line);
    return t.size() >= 2 && t.front() == u'[' && t.back() == u']';
}

int TQuickIni::SectionIndex(const QString &name) const {
    const QString header = u'[' + name + u']';
    for (const Section &s : sections) {
        if (s.header.compare(header, Qt::CaseInsensitive) == 0)
            return s.line;
    }
    return -1;
}

QString TQuickIni::ReadString(const QString &section, const QString &key,
                              const QString &def) const {
    const QString lowerKey = AsciiLower(key);
    if (lines.isEmpty())
        return def;
    const int header = SectionIndex(section);
    if (header < 0)
        return def;
    for (qsizetype i = header + 1; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (IsSectionLine(line))
            break;
        if (KeyOfLine(line) == lowerKey) {
            const QString value = ValueOfLine(line, lowerKey);
            return value.isEmpty() ? def : value;
        }
    }
    return def;
}

int TQuickIni::ReadInteger(const QString &section, const QString &key, int def) const {
    QString s = ReadString(section, key, QString());
    if (s.size() > 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X'))
        s = u'$' + s.sliced(2);
    return StrToIntDef(s, def);
}

int TQuickIni::StrToIntDef(const QString &text, int def) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i >= n)
        return def;
    if (text[i] == u'$') {
        ++i;
        if (i >= n || n - i > 8)
            return def;
        quint32 value = 0;
        for (; i < n; ++i) {
            int digit = 0;
            if (!IsHexDigit(text[i], digit))
                return def;
            value = value << 4 | quint32(digit);
        }
        return int(negative ? 0u - value : value); // 32-bit wrap, as "$FFFFFFFF" = -1
    }
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return def;
        value = value * 10 + (c - u'0');
        if (value > qint64(1) << 31)
            return def;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min())
        return def;
    return int(value);
}

void TQuickIni::ReadSections(QStringList &strings) const {
    strings.clear();
    for (const Section &s : sections) {
        const QString t = TrimBlanks(s.header);
        strings.append(TrimBlanks(t.sliced(1, t.size() - 2)));
    }
}

} // namespace skin
