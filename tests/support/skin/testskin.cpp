#include "support/skin/testskin.h"

#include "skin/data/tskindata.h"
#include "skin/package/packagewriter.h"

#include <QBuffer>
#include <QPainter>

namespace skin::test {

namespace {

struct StripDef {
    const char *name;
    int frames;
    int w, h; // one frame
    bool vertical;
};

// Every image of the complete skin.
const StripDef kStrips[] = {
    {"left.bmp", 2, 4, 40, false},           {"right.bmp", 2, 4, 40, false},
    {"top.bmp", 2, 120, 28, true},           {"bottom.bmp", 2, 40, 4, true},
    {"textback.bmp", 2, 24, 22, true},       {"menubar.bmp", 2, 40, 20, true},
    {"btnclose.bmp", 4, 30, 20, false},      {"btnmax.bmp", 4, 28, 20, false},
    {"btnrestore.bmp", 4, 28, 20, false},    {"btnmin.bmp", 4, 28, 20, false},
    {"btnhelp.bmp", 4, 28, 20, false},       {"mdicontrols.bmp", 12, 16, 14, false},
    {"buttons.bmp", 5, 32, 24, false},       {"check.bmp", 12, 13, 13, false},
    {"radio.bmp", 8, 13, 13, false},         {"progress.bmp", 2, 20, 14, false},
    {"progresschunk.bmp", 1, 8, 10, false},  {"tabs.bmp", 5, 40, 24, false},
    {"tabborder.bmp", 1, 40, 40, false},     {"tabpane.bmp", 1, 40, 40, false},
    {"statusedges.bmp", 3, 12, 12, false},   {"groupboxedge.bmp", 2, 16, 16, false},
    {"groupboxlabel.bmp", 1, 40, 18, false}, {"toolbars.bmp", 5, 24, 24, false},
    {"combobutton.bmp", 4, 18, 21, false},   {"sunkedge.bmp", 4, 12, 21, false},
    {"extraimages.bmp", 5, 12, 12, false},   {"headerbar.bmp", 2, 20, 22, false},
    {"menuitem.bmp", 5, 40, 22, false},      {"menubg.bmp", 1, 40, 40, false},
    {"scrollbar.bmp", 23, 17, 17, false},    {"hscroll.bmp", 4, 17, 17, false},
    {"vscroll.bmp", 4, 17, 17, false},       {"hthumb.bmp", 3, 20, 17, false},
    {"vthumb.bmp", 3, 17, 20, false},        {"thumbh.bmp", 5, 11, 20, false},
    {"thumbv.bmp", 5, 20, 11, false},        {"thumbleft.bmp", 5, 20, 11, false},
    {"thumbright.bmp", 5, 20, 11, false},    {"thumbup.bmp", 5, 11, 20, false},
    {"thumbdown.bmp", 5, 11, 20, false},     {"track.bmp", 1, 12, 4, false},
    {"trackvert.bmp", 1, 4, 12, false},      {"updownv.bmp", 8, 15, 10, false},
    {"updownvglyph.bmp", 8, 7, 4, false},    {"updownh.bmp", 8, 10, 15, false},
    {"updownhglyph.bmp", 8, 4, 7, false},
};

// section, "key=value|key=value|..."
const char *const kSections[][2] = {
    {"Personality",
     "Left=left.bmp|LeftFrame=2|LeftTopHeight=28|LeftBotHeight=4|LeftStretch=1|LeftTrans=1|"
     "Right=right.bmp|RightFrame=2|RightTopHeight=28|RightBotHeight=4|RightStretch=1|"
     "RightTrans=1|Top=top.bmp|TopFrame=2|TopTopHeight=8|TopBotHeight=8|TopStretch=1|"
     "TopTrans=0|Bottom=bottom.bmp|BottomFrame=2|BottomTopHeight=0|BottomBotHeight=0|"
     "BottomStretch=1|BottomTrans=0|TextBack=textback.bmp|TXTBackleft=6|TXTBackRight=6|"
     "Textbackground=0|TextShift=22|TextShiftVert=0|TextRightClip=96|TextAlignment=0|"
     "ActiveTextR=255|ActiveTextG=255|ActiveTextB=255|InActiveTextR=225|InActiveTextG=230|"
     "InActiveTextB=238|menuBar=menubar.bmp|TileMenu=1|TileLeftMenu=2|TileRightMenu=2"},
    {"Fonts", "FontHeight=14"},
    {"Colours",
     "WindowText=30 30 30|ButtonFace=236 240 245|HilightText=255 255 255|Hilight=51 122 183|"
     "Menubar=228 234 242|Menu=250 251 253|MenuText=30 30 31|ButtonText=30 30 32|"
     "ButtonHilight=255 255 254|Buttonlight=248 250 252|ButtonShadow=150 160 175|"
     "ButtonDkShadow=90 100 115|MenuBarText=30 40 60|TitleTextActive=255 255 253|"
     "TitleTextNoActive=225 230 238"},
    {"BUTTON0", "Action=0|Align=1|Xcoord=36|Ycoord=4|Visibility=0|Visibility1=0|frame=4|"
                "ButtonImage=btnclose.bmp"},
    {"BUTTON1", "Action=1|Align=1|Xcoord=64|Ycoord=4|Visibility=2|Visibility1=6|frame=4|"
                "ButtonImage=btnmax.bmp"},
    {"BUTTON2", "Action=1|Align=1|Xcoord=64|Ycoord=4|Visibility=1|Visibility1=6|frame=4|"
                "ButtonImage=btnrestore.bmp"},
    {"BUTTON3", "Action=2|Align=1|Xcoord=92|Ycoord=4|Visibility=6|Visibility1=6|frame=4|"
                "ButtonImage=btnmin.bmp"},
    {"BUTTON4", "Action=3|Align=0|Xcoord=6|Ycoord=6|Visibility=0|Visibility1=0"},
    {"BUTTON5", "Action=4|Align=1|Visibility=1000|Visibility1=0|frame=4|"
                "ButtonImage=btnhelp.bmp"},
    {"MDICONTROLS", "Image=mdicontrols.bmp"},
    {"Buttons", "Bitmap=buttons.bmp|LeftWidth=4|TopHeight=4|RightWidth=4|BottomHeight=4|"
                "Trans=1|Tile=0|CheckButton=check.bmp|CheckButtonFrame=12|"
                "RadioButton=radio.bmp|RadioButtonFrame=8|NormalColour2=30 30 30|"
                "MouseOverColour2=20 60 120|PressedColour2=20 40 90"},
    {"Progress", "Bitmap=progress.bmp|Style=0|LeftWidth=2|TopHeight=2|RightWidth=2|"
                 "BottomHeight=2|Trans=0|Tile=0"},
    {"Progress.Chunk", "Image=progresschunk.bmp|Frame=1|LeftWidth=1|RightWidth=1|Trans=1|Tile=1"},
    {"Tabs", "Image=tabs.bmp|Style=1|LeftWidth=4|TopHeight=4|RightWidth=4|BottomHeight=2|"
             "Trans=1|Tile=0|Border=tabborder.bmp|NormalColour2=70 70 70|MouseOverColour2=0 0 0"},
    {"Tab.Pane", "Image=tabpane.bmp|LeftWidth=4|TopHeight=4|RightWidth=4|BottomHeight=4|Tile=0"},
    {"StatusBarEdges", "Image=statusedges.bmp|LeftWidth=2|TopHeight=2|RightWidth=2|"
                       "BottomHeight=2|Tile=0|NormalColour2=40 40 40"},
    {"GroupBoxEdge", "Image=groupboxedge.bmp|LeftWidth=4|TopHeight=4|RightWidth=4|"
                     "BottomHeight=4|Trans=1"},
    {"GroupBox", "Image=groupboxlabel.bmp|LeftWidth=4|RightWidth=4|BackgroundAlignment=0|"
                 "BackgroundLeftShift=0|BackgroundRightShift=0"},
    {"ToolBars", "Image=toolbars.bmp|LeftWidth=3|TopHeight=3|RightWidth=3|BottomHeight=3|Trans=1"},
    {"ComboButton", "Image=combobutton.bmp|LeftWidth=2|TopHeight=2|RightWidth=2|BottomHeight=2|"
                    "Trans=1|Style=0"},
    {"SunkEdge", "Image=sunkedge.bmp|LeftWidth=2|TopHeight=2|RightWidth=2|BottomHeight=2|Trans=1"},
    {"ExtraImages", "Image=extraimages.bmp|Trans=1"},
    {"Headerbar", "Image=headerbar.bmp|Frame=2|LeftWidth=2|TopHeight=2|RightWidth=2|"
                  "BottomHeight=2|Tile=0"},
    {"MenuItem", "Image=menuitem.bmp|LeftWidth=3|TopHeight=3|RightWidth=3|BottomHeight=3|"
                 "Trans=1|Tile=0"},
    {"MenuBackground", "Image=menubg.bmp|LeftWidth=3|TopHeight=3|RightWidth=3|BottomHeight=3|"
                       "Tile=0"},
    {"Scrollbar", "Image=scrollbar.bmp"},
    {"HorzScroll", "Image=hscroll.bmp|LeftWidth=2|TopHeight=1|RightWidth=2|BottomHeight=1"},
    {"VertScroll", "Image=vscroll.bmp|LeftWidth=1|TopHeight=2|RightWidth=1|BottomHeight=2"},
    {"HorzScrollThumb", "Image=hthumb.bmp|FrameCount=3|LeftWidth=4|TopHeight=2|RightWidth=4|"
                        "BottomHeight=2|Trans=1"},
    {"VertScrollThumb", "Image=vthumb.bmp|FrameCount=3|LeftWidth=2|TopHeight=4|RightWidth=2|"
                        "BottomHeight=4|Trans=1"},
    {"Trackbar.ThumbHorz", "Image=thumbh.bmp|Trans=1"},
    {"Trackbar.ThumbVert", "Image=thumbv.bmp|Trans=1"},
    {"Trackbar.ThumbLeft", "Image=thumbleft.bmp|Trans=1"},
    {"Trackbar.ThumbRight", "Image=thumbright.bmp|Trans=1"},
    {"Trackbar.ThumbUp", "Image=thumbup.bmp|Trans=1"},
    {"Trackbar.ThumbDown", "Image=thumbdown.bmp|Trans=1"},
    {"Track", "Image=track.bmp|Frame=1|LeftWidth=2|RightWidth=2"},
    {"TRACKVERT", "Image=trackvert.bmp|Frame=1|TopHeight=2|BottomHeight=2"},
    {"UpDown.Vert", "Image=updownv.bmp|GlyphImage=updownvglyph.bmp|Trans=1"},
    {"UpDown.Horz", "Image=updownh.bmp|GlyphImage=updownhglyph.bmp|Trans=1"},
};

} // namespace

TTestSkin::TTestSkin() {
    for (const auto &s : kSections) {
        const QString section = QLatin1String(s[0]);
        sections.append(Section{section, {}});
        for (const QString &pair : QString::fromLatin1(s[1]).split(QLatin1Char('|'))) {
            const qsizetype eq = pair.indexOf(QLatin1Char('='));
            SetKey(section, pair.left(eq), pair.mid(eq + 1));
        }
    }
    for (const StripDef &s : kStrips)
        SetStrip(QLatin1String(s.name), s.frames, QSize(s.w, s.h), s.vertical);
}

TTestSkin::Section *TTestSkin::FindSection(const QString &name) {
    for (Section &s : sections)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

const TTestSkin::Section *TTestSkin::FindSection(const QString &name) const {
    return const_cast<TTestSkin *>(this)->FindSection(name);
}

void TTestSkin::SetKey(const QString &section, const QString &key, const QString &value) {
    Section *s = FindSection(section);
    if (!s) {
        sections.append(Section{section, {}});
        s = &sections.last();
    }
    for (auto &pair : s->keys)
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0) {
            pair.second = value;
            return;
        }
    s->keys.append({key, value});
}

void TTestSkin::RemoveKey(const QString &section, const QString &key) {
    if (Section *s = FindSection(section))
        s->keys.removeIf([&key](const QPair<QString, QString> &p) {
            return p.first.compare(key, Qt::CaseInsensitive) == 0;
        });
}

void TTestSkin::RemoveSection(const QString &section) {
    sections.removeIf(
        [&section](const Section &s) { return s.name.compare(section, Qt::CaseInsensitive) == 0; });
}

void TTestSkin::SetImage(const QString &name, const QImage &image) {
    SetRawEntry(name, BmpBytes(image));
    frameColours.remove(name);
}

QRgb TTestSkin::NextColour() {
    const int n = colourCounter++;
    // Channels 20..218 in steps of 22: distinct for 1000 frames, never the key colour.
    return qRgb(20 + (n % 10) * 22, 20 + (n / 10 % 10) * 22, 20 + (n / 100 % 10) * 22);
}

void TTestSkin::SetStrip(const QString &name, int frames, QSize frameSize, bool vertical) {
    const int w = vertical ? frameSize.width() : frameSize.width() * frames;
    const int h = vertical ? frameSize.height() * frames : frameSize.height();
    QImage image(w, h, QImage::Format_RGB32);
    QList<QRgb> colours;
    QPainter p(&image);
    for (int i = 0; i < frames; ++i) {
        const QRgb c = NextColour();
        colours.append(c);
        const QRect r = vertical ? QRect(0, i * frameSize.height(), w, frameSize.height())
                                 : QRect(i * frameSize.width(), 0, frameSize.width(), h);
        p.fillRect(r, QColor::fromRgb(c));
    }
    p.end();
    SetImage(name, image);
    frameColours.insert(name, colours);
}

void TTestSkin::SetKeyPixels(const QString &name, const QList<QPoint> &pixels) {
    for (auto &e : entries)
        if (e.first == name) {
            QImage image = QImage::fromData(e.second, "BMP").convertToFormat(QImage::Format_RGB32);
            for (const QPoint &p : pixels)
                image.setPixel(p, 0xFFFF00FF);
            e.second = BmpBytes(image);
            return;
        }
}

void TTestSkin::SetRawEntry(const QString &name, const QByteArray &bytes) {
    for (auto &e : entries)
        if (e.first == name) {
            e.second = bytes;
            return;
        }
    entries.append({name, bytes});
}

QRgb TTestSkin::FrameColour(const QString &imageName, int frame) const {
    const QList<QRgb> colours = frameColours.value(imageName);
    if (frame < 1 || frame > colours.size())
        return 0;
    return colours.at(frame - 1);
}

void TTestSkin::KeyFrameCorners(const QString &imageName, int size) {
    const int frames = int(frameColours.value(imageName).size());
    for (auto &e : entries) {
        if (e.first != imageName || frames == 0)
            continue;
        QImage image = QImage::fromData(e.second, "BMP").convertToFormat(QImage::Format_RGB32);
        const int frameWidth = image.width() / frames;
        QPainter p(&image);
        for (int i = 0; i < frames; ++i)
            p.fillRect(i * frameWidth, 0, size, size, QColor(255, 0, 255));
        p.end();
        e.second = BmpBytes(image);
    }
}

QByteArray TTestSkin::Ini() const {
    QByteArray out;
    for (const Section &s : sections) {
        out += '[' + s.name.toLatin1() + "]\r\n";
        for (const auto &pair : s.keys)
            out += pair.first.toLatin1() + '=' + pair.second.toLatin1() + "\r\n";
    }
    return out;
}

void TTestSkin::Fill(TSkinPackageWriter &writer) const {
    writer.AddEntry(IniName(), Ini());
    for (const auto &e : entries)
        writer.AddEntry(e.first, e.second);
}

QByteArray TTestSkin::Unpacked(quint32 version) const {
    TSkinPackageWriter writer;
    Fill(writer);
    return writer.Unpacked(version);
}

QByteArray TTestSkin::Packed(quint32 version) const {
    TSkinPackageWriter writer;
    Fill(writer);
    return writer.Packed(version);
}

std::shared_ptr<const SkinObjects> TTestSkin::Read() const {
    TSkinData data;
    data.SetSkinStream(Packed());
    if (!data.Objects())
        qFatal("the test skin was refused");
    return data.Objects();
}

QByteArray TTestSkin::BmpBytes(const QImage &image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return bytes;
}

} // namespace skin::test
