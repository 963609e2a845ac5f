#include "common/gbktext.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace common {

namespace {

constexpr char16_t kZeroWidthNoBreakSpace = 0xFEFF; // GBK drops it without a trace

// The GBK bytes of one character; empty when GBK has no form for it (it gives '?' or
// nothing then).
QByteArray gbkOf(QStringEncoder &gbk, QStringView character) {
    gbk.resetState();
    const QByteArray bytes = gbk.encode(character);
    const bool substituted = bytes == "?" && character != u"?";
    return substituted ? QByteArray() : bytes;
}

// The GB18030 four-byte form of a character GBK lacks. GB18030 gives a few of those two
// bytes that GBK already uses for a private-use character; that character's own four-byte
// form (free, since GBK encodes it) stands in for them.
QByteArray fourByteFormOf(QStringView character) {
    const auto flags = QStringConverter::Flag::ConvertInitialBom;
    QStringEncoder gb18030("GB18030", flags);
    const QByteArray bytes = gb18030.encode(character);
    if (bytes.size() != 2)
        return bytes;
    QStringDecoder gbk("GBK");
    const QString privateUse = gbk.decode(bytes);
    QStringEncoder again("GB18030", flags);
    return again.encode(privateUse);
}

} // namespace

QByteArray toGbkText(QStringView text) {
    static const bool available =
        QStringEncoder("GBK").isValid() && QStringEncoder("GB18030").isValid();
    if (!available)
        qFatal("the GBK and GB18030 encoders are missing (Qt without ICU)");
    QStringEncoder gbk("GBK");
    QByteArray bytes = gbk.encode(text);
    // Usually GBK has every character, and its bytes read back as the text. A character GBK
    // lacks became '?' or was left out without a trace (format characters such as U+200B):
    // such texts take the slow way.
    if (QString(QStringDecoder("GBK").decode(bytes)) == text)
        return bytes;
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QStringView character = text.sliced(i, pair ? 2 : 1);
        i += character.size();
        if (!pair && character.at(0).isSurrogate()) {
            bytes += '?';
            continue;
        }
        const QByteArray own = gbkOf(gbk, character);
        bytes += own.isEmpty() ? fourByteFormOf(character) : own;
    }
    return bytes;
}

QByteArray toEarlierGbkText(QStringView text) {
    QByteArray bytes = QStringEncoder("GBK").encode(text);
    const bool dropsNone = std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.isSurrogate() || c == QChar(kZeroWidthNoBreakSpace);
    });
    if (dropsNone && bytes.count('?') == text.count(u'?'))
        return bytes;
    return toGbkText(text);
}

} // namespace common
