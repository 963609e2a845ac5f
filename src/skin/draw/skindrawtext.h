#pragma once

#include <QFlags>
#include <QPainter>
#include <QRect>
#include <QString>

namespace skin {

// What SkinDrawText does beyond Qt's alignment and text flags.
enum class SkinTextOption : unsigned {
    ElideEnd = 0x1,    // a line too wide for rect ends with an ellipsis
    MeasureOnly = 0x2, // nothing is drawn: rect takes the size of the text
    RightToLeft = 0x4, // the text is laid out right to left
};
Q_DECLARE_FLAGS(SkinTextOptions, SkinTextOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(SkinTextOptions)

// How SkinDrawText lays out its text.
struct SkinTextFormat {
    constexpr SkinTextFormat(Qt::Alignment align = Qt::AlignLeft, int flags = 0,
                             SkinTextOptions options = {})
        : align(align), flags(flags), options(options) {}

    // Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight (right wins over centre); with
    // Qt::TextSingleLine also Qt::AlignTop, Qt::AlignVCenter or Qt::AlignBottom (bottom wins).
    Qt::Alignment align;
    // Qt::TextFlag values: Qt::TextSingleLine, Qt::TextWordWrap, Qt::TextExpandTabs,
    // Qt::TextDontClip and Qt::TextShowMnemonic; other flags are ignored.
    int flags;
    SkinTextOptions options;

    // This format, measuring instead of drawing.
    SkinTextFormat measuring() const {
        SkinTextFormat format = *this;
        format.options |= SkinTextOption::MeasureOnly;
        return format;
    }

    bool operator==(const SkinTextFormat &) const = default;
};

// Draws text into rect with the painter's font, pen and layout, as the format says, and returns
// the height of the text (aligned to the vertical centre or the bottom: from rect's top to the
// text's bottom).
//
// - Lines end at CR LF, CR or LF; Qt::TextSingleLine keeps everything on one line,
//   Qt::TextWordWrap also breaks between words that would pass rect's right edge (a longer
//   word stays whole).
// - With Qt::TextShowMnemonic '&' marks the next character as a mnemonic (underlined; "&&" is
//   one '&'); without it '&' stands for itself.
// - ElideEnd cuts a line that does not fit rect's width and ends it with an ellipsis (not with
//   Qt::TextWordWrap).
// - The text is clipped to rect unless Qt::TextDontClip is given.
// - MeasureOnly draws nothing: rect keeps its left and top and takes the size of the text (its
//   width as the wrapping width for Qt::TextWordWrap).
// - RightToLeft lays the text out right to left; Qt::AlignLeft and Qt::AlignRight keep their
//   sides.
// An empty text draws nothing, returns 0 and, measured, gives an empty rect.
int SkinDrawText(QPainter &painter, const QString &text, QRect &rect, const SkinTextFormat &format);

} // namespace skin
