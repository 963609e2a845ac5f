#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QColor>

namespace skinpack {

// Builds the skin INI text: sections and keys in the order they are added, ASCII, CR LF.
// Names come from the skin's INI vocabulary (skin/data/skininikeys.h).
class IniWriter {
public:
    void Section(QAnyStringView name);
    void Key(QAnyStringView key, const QByteArray &value);
    void Key(QAnyStringView key, int value);
    // A colour as "R G B".
    void Colour(QAnyStringView key, const QColor &colour);
    // Margins as LeftWidth / TopHeight / RightWidth / BottomHeight.
    void Margins(int left, int top, int right, int bottom);

    QByteArray Text() const;

private:
    QByteArray m_text;
};

} // namespace skinpack
