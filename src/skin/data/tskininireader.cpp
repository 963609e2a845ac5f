#include "skin/data/tskininireader.h"

#include "skin/data/derivedimages.h"
#include "skin/data/skininikeys.h"
#include "skin/data/skinobjects.h"
#include "skin/data/tdataskinborder.h"
#include "skin/data/tdataskinboxlabel.h"
#include "skin/data/tdataskinbutton.h"
#include "skin/data/tdataskintitle.h"
#include "skin/data/titlebuttonreader.h"
#include "skin/data/tquickini.h"
#include "skin/draw/bitmaputils.h"
#include "skin/package/skinreader.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>

namespace skin {

namespace section = ini::section;
namespace key = ini::key;

namespace {

// Largest image a skin may hold (pixels); a BMP header asking for more is not decoded.
constexpr qint64 kMaxImagePixels = 4096 * 4096;

// Width and height a BMP file announces, read before anything is allocated for it.
bool BmpSizeSane(const QByteArray &bytes) {
    if (bytes.size() < 26 || !bytes.startsWith("BM"))
        return false;
    const auto *d = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(d + 14);
    qint64 w, h;
    if (headerSize == 12) {
        w = qFromLittleEndian<quint16>(d + 18);
        h = qFromLittleEndian<quint16>(d + 20);
    } else {
        w = qFromLittleEndian<qint32>(d + 18);
        h = qFromLittleEndian<qint32>(d + 22);
    }
    w = qAbs(w);
    h = qAbs(h);
    return w > 0 && h > 0 && w <= 32768 && h <= 32768 && w * h <= kMaxImagePixels;
}

template <class T> void ClampTile(T &object, int above1) {
    if (object.Tile > 1)
        object.Tile = above1;
}

// A new object named after the section with the image its key names; nullptr when the key is
// missing or empty.
template <class T>
std::unique_ptr<T> CreateFromKey(const TSkinIniReader &reader, const QString &section,
                                 const QString &key) {
    const QString value = reader.Ini().ReadString(section, key, QString());
    if (value.isEmpty())
        return nullptr;
    auto o = std::make_unique<T>(section);
    reader.LoadSkinBitmap(o->Image, value);
    return o;
}

} // namespace

TSkinIniReader::TSkinIniReader(SkinObjects &data, const TQuickIni &ini, const TSkinReader &package)
    : data(data), ini(ini), package(package) {}

void TSkinIniReader::LoadSkinBitmap(QImage &bitmap, const QString &value) const {
    bitmap = QImage();
    const qsizetype cut =
        std::max(value.lastIndexOf(QLatin1Char('\\')), value.lastIndexOf(QLatin1Char(':')));
    const QString fileName = value.mid(cut + 1);
    if (fileName.isEmpty() || !fileName.endsWith(ini::ImageSuffix))
        return;
    QByteArray bytes;
    if (!package.ExtractFile(fileName, bytes) || bytes.isEmpty() || !BmpSizeSane(bytes))
        return;
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "BMP");
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return;
    bitmap = image.convertToFormat(QImage::Format_RGB32);
}

SkinColor TSkinIniReader::ParseColourTriple(const QString &text) {
    int channel[3] = {0, 0, 0};
    int count = 0;
    bool inNumber = false;
    for (const QChar ch : text.trimmed()) {
        const bool digit = ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
        if (digit) {
            if (!inNumber) {
                inNumber = true;
                ++count;
            }
            if (count <= 3) // kept modulo 256 as it grows: no overflow, same result
                channel[count - 1] = (channel[count - 1] * 10 + (ch.unicode() - '0')) % 256;
        } else {
            inNumber = false;
        }
    }
    return SkinRgb(channel[0], channel[1], channel[2]);
}

SkinColor TSkinIniReader::ReadColour(const QString &section, const QString &key,
                                     SkinColor def) const {
    const QString text = ini.ReadString(section, key, QString());
    if (text.trimmed().isEmpty())
        return def;
    return ParseColourTriple(text);
}

void TSkinIniReader::ReadRGBKeys(const QString &section, const QString &prefix,
                                 SkinColor &colour) const {
    const int r = ini.ReadInteger(section, prefix + QLatin1Char('R'), -1);
    const int g = ini.ReadInteger(section, prefix + QLatin1Char('G'), -1);
    const int b = ini.ReadInteger(section, prefix + QLatin1Char('B'), -1);
    if (r >= 0 && g >= 0 && b >= 0)
        colour = SkinRgb(r, g, b);
}

namespace {

// Style, margins, (Frame), Trans, Tile and the text colours, as the generic reader reads them.
void ReadCommonKeys(const TQuickIni &ini, const QString &section, TDataSkinObject &o,
                    bool readFrame) {
    o.Style = ini.ReadInteger(section, key::Style, 0);
    o.LeftWidth = ini.ReadInteger(section, key::LeftWidth, 0);
    o.RightWidth = ini.ReadInteger(section, key::RightWidth, 0);
    o.TopHeight = ini.ReadInteger(section, key::TopHeight, 0);
    o.BottomHeight = ini.ReadInteger(section, key::BottomHeight, 0);
    if (readFrame)
        o.Frame = ini.ReadInteger(section, key::Frame, 0);
    o.Trans = ini.ReadInteger(section, key::Trans, 0);
    o.Tile = ini.ReadInteger(section, key::Tile, 0);
}

} // namespace

void TSkinIniReader::ReadColourKeys(const QString &section, TDataSkinObject &o) const {
    o.NormalColour = ini.ReadInteger(section, key::NormalColour, -1);
    o.MouseOverColour = ini.ReadInteger(section, key::MouseOverColour, -1);
    o.PressedColour = ini.ReadInteger(section, key::PressedColour, -1);
    o.NormalColour2 = ReadColour(section, key::NormalColour2, data.ButtonText);
    o.MouseOverColour2 = ReadColour(section, key::MouseOverColour2, data.ButtonText);
    o.PressedColour2 = ReadColour(section, key::PressedColour2, data.ButtonText);
}

void TSkinIniReader::ReadSkinObject(std::unique_ptr<TDataSkinObject> &object,
                                    const QString &section) const {
    object.reset();
    auto o = CreateFromKey<TDataSkinObject>(*this, section, key::Image);
    if (!o)
        return;
    ReadCommonKeys(ini, section, *o, true);
    ReadColourKeys(section, *o);
    ClampTile(*o, 0);
    object = std::move(o);
}

void TSkinIniReader::ReadSkinObject2(std::unique_ptr<TDataSkinBorder> &object,
                                     const QString &section, const QString &secondImageKey) const {
    object.reset();
    auto o = CreateFromKey<TDataSkinBorder>(*this, section, key::Image);
    if (!o)
        return;
    const QString second = ini.ReadString(section, secondImageKey, QString());
    if (!second.isEmpty())
        LoadSkinBitmap(o->Image2, second);
    ReadCommonKeys(ini, section, *o, false);
    ReadColourKeys(section, *o);
    ClampTile(*o, 0);
    object = std::move(o);
}

void TSkinIniReader::ReadBitmapObject(std::unique_ptr<TDataSkinBorder> &object,
                                      const QString &section) const {
    object.reset();
    auto o = CreateFromKey<TDataSkinBorder>(*this, section, key::Bitmap);
    if (!o)
        return;
    ReadCommonKeys(ini, section, *o, false);
    ClampTile(*o, 1);
    object = std::move(o);
}

void TSkinIniReader::ReadBoxLabel(std::unique_ptr<TDataSkinBoxLabel> &object,
                                  const QString &section) const {
    object.reset();
    auto o = CreateFromKey<TDataSkinBoxLabel>(*this, section, key::Image);
    if (!o)
        return;
    ReadCommonKeys(ini, section, *o, false);
    ReadColourKeys(section, *o);
    ClampTile(*o, 0);
    o->BackgroundAlignment = ini.ReadInteger(section, key::BackgroundAlignment, 0);
    o->BackgroundLeftShift = ini.ReadInteger(section, key::BackgroundLeftShift, 0);
    o->BackgroundRightShift = ini.ReadInteger(section, key::BackgroundRightShift, 0);
    object = std::move(o);
}

void TSkinIniReader::ReadMenuBarObject(std::unique_ptr<TDataSkinObject> &object,
                                       const QString &section) const {
    object.reset();
    auto o = CreateFromKey<TDataSkinObject>(*this, section, key::MenuBar);
    if (!o)
        return;
    o->TopHeight = 0;
    o->BottomHeight = 0;
    o->Tile = ini.ReadInteger(section, key::TileMenu, 1);
    o->LeftWidth = ini.ReadInteger(section, key::TileLeftMenu, 1);
    o->RightWidth = ini.ReadInteger(section, key::TileRightMenu, 1);
    ClampTile(*o, 1);
    object = std::move(o);
}

void TSkinIniReader::ReadBorders() const {
    const QString personality = section::Personality;
    const struct {
        TDataSkinBorder *object;
        ini::Name part;
        bool horizontal;
    } parts[] = {{data.Left.get(), key::Left, false},
                 {data.Right.get(), key::Right, false},
                 {data.Top.get(), key::Top, true},
                 {data.Bottom.get(), key::Bottom, true}};
    for (const auto &p : parts) {
        const QString P = p.part;
        TDataSkinBorder &o = *p.object;
        const int first = ini.ReadInteger(personality, P + key::TopHeight, 0);
        const int second = ini.ReadInteger(personality, P + key::BotHeight, 0);
        if (p.horizontal) {
            o.LeftWidth = first; // the fixed pieces sit at the left and right ends
            o.RightWidth = second;
            o.TopHeight = o.BottomHeight = 0;
        } else {
            o.TopHeight = first;
            o.BottomHeight = second;
            o.LeftWidth = o.RightWidth = 0;
        }
        o.Frame = ini.ReadInteger(personality, P + key::Frame, 1);
        o.Tile = ini.ReadInteger(personality, P + key::Stretch, 1);
        o.Trans = ini.ReadInteger(personality, P + key::Trans, 1);
        LoadSkinBitmap(o.Image, ini.ReadString(personality, P, QString()));
        ClampTile(o, 1);
    }
}

void TSkinIniReader::ReadButtons() const {
    const QString s = section::Buttons;
    TDataSkinButton &b = *data.Buttons;
    b.LeftWidth = ini.ReadInteger(s, key::LeftWidth, 0);
    b.RightWidth = ini.ReadInteger(s, key::RightWidth, 0);
    b.TopHeight = ini.ReadInteger(s, key::TopHeight, 0);
    b.BottomHeight = ini.ReadInteger(s, key::BottomHeight, 0);
    b.Trans = ini.ReadInteger(s, key::Trans, 0);
    LoadSkinBitmap(b.Image, ini.ReadString(s, key::Bitmap, QString()));
    b.Tile = ini.ReadInteger(s, key::Tile, 0);
    LoadSkinBitmap(b.CheckImage, ini.ReadString(s, key::CheckButton, QString()));
    LoadSkinBitmap(b.RadioImage, ini.ReadString(s, key::RadioButton, QString()));
    b.NormalColour = ini.ReadInteger(s, key::NormalColour, -1);
    b.MouseOverColour = ini.ReadInteger(s, key::MouseOverColour, -1);
    b.PressedColour = ini.ReadInteger(s, key::PressedColour, -1);
    b.RadioButtonFrame = ini.ReadInteger(s, key::RadioButtonFrame, 0);
    b.CheckButtonFrame = ini.ReadInteger(s, key::CheckButtonFrame, 0);
    ClampTile(b, 0);
    b.NormalColour2Given = !ini.ReadString(s, key::NormalColour2, QString()).isEmpty();
    b.MouseOverColour2Given = !ini.ReadString(s, key::MouseOverColour2, QString()).isEmpty();
    b.PressedColour2Given = !ini.ReadString(s, key::PressedColour2, QString()).isEmpty();
    b.NormalColour2 = ReadColour(s, key::NormalColour2, data.ButtonText);
    b.MouseOverColour2 = ReadColour(s, key::MouseOverColour2, data.ButtonText);
    b.PressedColour2 = ReadColour(s, key::PressedColour2, data.ButtonText);
}

void TSkinIniReader::ReadTitleText(TDataSkinTitle &title, const QString &section) const {
    LoadSkinBitmap(title.Image, ini.ReadString(section, key::TextBack, QString()));
    title.LeftWidth = ini.ReadInteger(section, key::TextShift, 0);
    title.TopHeight = ini.ReadInteger(section, key::TextShiftVert, 0);
    title.RightWidth = ini.ReadInteger(section, key::TextRightClip, 0);
    title.BottomHeight = 0;
    title.TextAlignment = TitleAlignment(ini.ReadInteger(section, key::TextAlignment, 0));
    title.Textbackground = ini.ReadInteger(section, key::Textbackground, 0);
    title.FontHeight = ini.ReadInteger(section::Fonts, key::FontHeight, 14);
    title.TXTBackleft = ini.ReadInteger(section, key::TXTBackleft, 0);
    title.TXTBackRight = ini.ReadInteger(section, key::TXTBackRight, 0);
    title.ActiveText = clNone;
    title.InActiveText = clNone;
    ReadRGBKeys(section, key::ActiveText, title.ActiveText);
    ReadRGBKeys(section, key::InActiveText, title.InActiveText);
}

void TSkinIniReader::ReadColours() const {
    const QString s = section::Colours;
    data.WindowText = ReadColour(s, key::WindowText, clWindowText);
    data.ButtonFace = ReadColour(s, key::ButtonFace, clBtnFace);
    data.HilightText = ReadColour(s, key::HilightText, clHighlightText);
    data.Hilight = ReadColour(s, key::Hilight, clHighlight);
    data.Menubar = ReadColour(s, key::Menubar, data.ButtonFace);
    data.Menu = ReadColour(s, key::Menu, clMenu);
    data.MenuText = ReadColour(s, key::MenuText, clMenuText);
    data.ButtonText = ReadColour(s, key::ButtonText, clBtnText);
    data.ButtonHilight = ReadColour(s, key::ButtonHilight, clBtnHighlight);
    data.Buttonlight = ReadColour(s, key::Buttonlight, clBtnHighlight);
    data.ButtonShadow = ReadColour(s, key::ButtonShadow, clBtnShadow);
    data.ButtonDkShadow = ReadColour(s, key::ButtonDkShadow, cl3DDkShadow);
    data.MenuBarText = ReadColour(s, key::MenuBarText, clMenuText);
    data.TitleTextActive = ReadColour(s, key::TitleTextActive, clCaptionText);
    data.TitleTextNoActive = ReadColour(s, key::TitleTextNoActive, clInactiveCaptionText);
}

namespace {

template <class T> void SetFrame(const std::unique_ptr<T> &o, int frames) {
    if (o)
        o->Frame = frames;
}

// Frames of a check or radio strip when the skin does not say: 13- or 16-pixel frames, at
// least 4.
int StripFramesFromWidth(const QImage &image) {
    if (image.isNull())
        return 4;
    const int per = image.height() < 16 ? 13 : 16;
    return std::max(4, image.width() / per);
}

} // namespace

void TSkinIniReader::SetFrameCounts() const {
    TDataSkinButton &b = *data.Buttons;
    b.Frame = 5;
    if (b.RadioButtonFrame == 0)
        b.RadioButtonFrame = StripFramesFromWidth(b.RadioImage);
    if (b.CheckButtonFrame == 0)
        b.CheckButtonFrame = StripFramesFromWidth(b.CheckImage);
    data.Title->Frame = 2;
    if (data.Progress)
        data.Progress->Frame = data.Progress->Style != 0 ? 1 : 2;
    SetFrame(data.menuBar, 2);
    SetFrame(data.GroupBoxEdge, 2);
    SetFrame(data.Toolbar, 1);
    SetFrame(data.ToolBars, 5);
    SetFrame(data.Tabs, 5);
    SetFrame(data.ExtraImages, 5);
    SetFrame(data.MenuItem, 5);
    SetFrame(data.TabPane, 1);
    SetFrame(data.GroupBox, 1);
    SetFrame(data.MenuBackground, 1);
    SetFrame(data.StatusBarEdges, 3);
    SetFrame(data.ComboButton, 4);
    SetFrame(data.SunkEdge, 4);
    SetFrame(data.HorzScroll, 4);
    SetFrame(data.VertScroll, 4);
    if (data.Headerbar && data.Headerbar->Frame == 0)
        data.Headerbar->Frame = 5;
    SetFrame(data.Scrollbar, 23);
    SetFrame(data.UpDownHorz, 8);
    SetFrame(data.UpDownVert, 8);
    for (const auto *thumb :
         {&data.TrackbarThumbHorz, &data.TrackbarThumbVert, &data.TrackbarThumbLeft,
          &data.TrackbarThumbRight, &data.TrackbarThumbUp, &data.TrackbarThumbDown})
        SetFrame(*thumb, 5);
    if (data.HorzScrollThumb)
        data.HorzScrollThumb->Frame = ini.ReadInteger(section::HorzScrollThumb, key::FrameCount, 3);
    if (data.VertScrollThumb)
        data.VertScrollThumb->Frame = ini.ReadInteger(section::VertScrollThumb, key::FrameCount, 3);
}

void TSkinIniReader::ReadSkinIni() {
    ini.ReadSections(sections);
    ReadBorders();
    ReadColours();
    TTitleButtonReader(*this).ReadTitleButtons();
    ReadButtons();
    ReadTitleText(*data.Title, section::Personality);
    ReadBitmapObject(data.Progress, section::Progress);
    ReadSkinObject(data.ProgressChunk, section::ProgressChunk);
    ReadMenuBarObject(data.menuBar, section::Personality);
    ReadSkinObject(data.GroupBoxEdge, section::GroupBoxEdge);
    ReadBoxLabel(data.GroupBox, section::GroupBox);
    ReadSkinObject2(data.Tabs, section::Tabs, key::Border);
    ReadSkinObject(data.StatusBarEdges, section::StatusBarEdges);
    ReadSkinObject(data.TabPane, section::TabPane);
    if (data.TabPane) {
        TDataSkinObject &p = *data.TabPane;
        p.LeftWidth = std::min(p.LeftWidth, 4);
        p.TopHeight = std::min(p.TopHeight, 4);
        p.RightWidth = std::min(p.RightWidth, 4);
        p.BottomHeight = std::min(p.BottomHeight, 4);
    }
    ReadSkinObject(data.ToolBars, section::ToolBars);
    ReadSkinObject2(data.ComboButton, section::ComboButton, key::NoSecondImage);
    ReadSkinObject(data.SunkEdge, section::SunkEdge);
    if (data.ComboButton && data.ComboButton->HasImage()) {
        QImage mirrored = data.ComboButton->Image.convertToFormat(QImage::Format_RGB32);
        MirrorBitmap(mirrored);
        data.ComboButton->Image2 = mirrored;
    }
    const struct {
        std::unique_ptr<TDataSkinObject> *object;
        ini::Name section;
    } plain[] = {{&data.ExtraImages, section::ExtraImages},
                 {&data.Headerbar, section::Headerbar},
                 {&data.MenuItem, section::MenuItem},
                 {&data.MenuBackground, section::MenuBackground},
                 {&data.Scrollbar, section::Scrollbar},
                 {&data.HorzScroll, section::HorzScroll},
                 {&data.VertScroll, section::VertScroll},
                 {&data.HorzScrollThumb, section::HorzScrollThumb},
                 {&data.VertScrollThumb, section::VertScrollThumb},
                 {&data.TrackbarThumbHorz, section::TrackbarThumbHorz},
                 {&data.TrackbarThumbVert, section::TrackbarThumbVert},
                 {&data.TrackbarThumbLeft, section::TrackbarThumbLeft},
                 {&data.TrackbarThumbRight, section::TrackbarThumbRight},
                 {&data.TrackbarThumbUp, section::TrackbarThumbUp},
                 {&data.TrackbarThumbDown, section::TrackbarThumbDown}};
    for (const auto &p : plain)
        ReadSkinObject(*p.object, p.section);
    ReadSkinObject2(data.UpDownHorz, section::UpDownHorz, key::GlyphImage);
    ReadSkinObject2(data.UpDownVert, section::UpDownVert, key::GlyphImage);
    const TDerivedImages derived(data);
    ReadSkinObject(data.Track, section::Track);
    if (!data.Track)
        derived.LoadResourceSkinObject(data.Track, QStringLiteral("TRACK"));
    ReadSkinObject(data.TRACKVERT, section::TrackVert);
    if (!data.TRACKVERT)
        derived.LoadResourceSkinObject(data.TRACKVERT, QStringLiteral("TRACKVERT"));
    SetFrameCounts();
    derived.ComposeComboButton();
    derived.BuildComboArrow();
    derived.BuildToolbarGradient();
    data.TitleSampleColor = derived.CalcTitleSampleColor();
    data.ButtonFaceBrush = QBrush(SkinToQColor(data.ButtonFace));
    sections.clear();
}

} // namespace skin
