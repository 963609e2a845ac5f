#include "iniwriter.h"

namespace skinpack {

void IniWriter::Section(const QByteArray &name) {
    if (!m_text.isEmpty())
        m_text += "\r\n";
    m_text += '[' + name + "]\r\n";
}

void IniWriter::Key(const QByteArray &key, const QByteArray &value) {
    m_text += key + '=' + value + "\r\n";
}

void IniWriter::Key(const QByteArray &key, int value) {
    Key(key, QByteArray::number(value));
}

void IniWriter::Colour(const QByteArray &key, const QColor &colour) {
    Key(key, QByteArray::number(colour.red()) + ' ' + QByteArray::number(colour.green()) + ' ' +
                 QByteArray::number(colour.blue()));
}

void IniWriter::Margins(int left, int top, int right, int bottom) {
    Key("LeftWidth", left);
    Key("TopHeight", top);
    Key("RightWidth", right);
    Key("BottomHeight", bottom);
}

QByteArray IniWriter::Text() const {
    return m_text;
}

} // namespace skinpack
