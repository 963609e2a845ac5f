#include "iniwriter.h"

#include "skin/data/skininikeys.h"

namespace skinpack {

namespace key = skin::ini::key;

void IniWriter::Section(QAnyStringView name) {
    if (!m_text.isEmpty())
        m_text += "\r\n";
    m_text += '[' + name.toString().toLatin1() + "]\r\n";
}

void IniWriter::Key(QAnyStringView key, const QByteArray &value) {
    m_text += key.toString().toLatin1() + '=' + value + "\r\n";
}

void IniWriter::Key(QAnyStringView key, int value) {
    Key(key, QByteArray::number(value));
}

void IniWriter::Colour(QAnyStringView key, const QColor &colour) {
    Key(key, QByteArray::number(colour.red()) + ' ' + QByteArray::number(colour.green()) + ' ' +
                 QByteArray::number(colour.blue()));
}

void IniWriter::Margins(int left, int top, int right, int bottom) {
    Key(key::LeftWidth, left);
    Key(key::TopHeight, top);
    Key(key::RightWidth, right);
    Key(key::BottomHeight, bottom);
}

QByteArray IniWriter::Text() const {
    return m_text;
}

} // namespace skinpack
