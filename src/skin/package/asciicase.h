#pragma once

#include <QString>

namespace skin {

// Lower-cases the ASCII letters A-Z only; every other character stays as it is.
inline QString AsciiLower(QString text) {
    for (QChar &ch : text) {
        if (ch >= u'A' && ch <= u'Z')
            ch = QChar(ch.unicode() + (u'a' - u'A'));
    }
    return text;
}

} // namespace skin
