#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPair>

namespace skinpack {

// Builds the skin INI text: sections and keys in the order they are added, ASCII, CR LF.
class IniWriter {
public:
    void Section(const QByteArray &name);
    void Key(const QByteArray &key, const QByteArray &value);
    void Key(const QByteArray &key, int value);
    // A colour as "R G B".
    void Colour(const QByteArray &key, const QColor &colour);
    // Margins as LeftWidth / TopHeight / RightWidth / BottomHeight.
    void Margins(int left, int top, int right, int bottom);

    QByteArray Text() const;

private:
    QByteArray m_text;
};

} // namespace skinpack
