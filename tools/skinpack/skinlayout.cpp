#include "skinlayout.h"

#include "bmpfile.h"
#include "controlart.h"
#include "fieldart.h"
#include "frameart.h"
#include "iniwriter.h"
#include "scrollart.h"

#include "skin/data/skininikeys.h"
#include "skin/data/tdataskinsysbutton.h"
#include "skin/package/packagewriter.h"

namespace skinpack {

namespace {

namespace section = skin::ini::section;
namespace key = skin::ini::key;
using skin::ini::Name;

// The section of caption button `index`.
QString CaptionButtonSection(int index) {
    return section::CaptionButtonPrefix + QString::number(index);
}

class Builder {
public:
    explicit Builder(const Theme &theme) : t(theme) {}

    QByteArray Image(const char *name, const QImage &image) {
        content.images.append({QString::fromLatin1(name), image});
        return QByteArray(name);
    }

    // One section of the common shape: image key, then only the keys that are given.
    struct Part {
        Name section;
        const char *file;
        QImage image;
        QMargins margins;
        int trans = -1;
        int tile = -1;
        int frame = 0;
        Name imageKey = key::Image;
    };
    void Object(const Part &part) {
        ini.Section(part.section);
        ini.Key(part.imageKey, Image(part.file, part.image));
        if (part.frame > 0)
            ini.Key(key::Frame, part.frame);
        if (!part.margins.isNull())
            ini.Margins(part.margins.left(), part.margins.top(), part.margins.right(),
                        part.margins.bottom());
        if (part.trans >= 0)
            ini.Key(key::Trans, part.trans);
        if (part.tile >= 0)
            ini.Key(key::Tile, part.tile);
    }

    void Personality();
    void Colours();
    void CaptionButtons();
    void Controls();
    void Scrolling();
    void Resources();

    const Theme &t;
    IniWriter ini;
    SkinContent content;
};

void Builder::Personality() {
    ini.Section(section::Personality);
    const int cap = t.captionHeight;
    struct Side {
        Name key;
        const char *file;
        QImage image;
        int fixedStart;
        int fixedEnd;
        int trans;
    };
    const Side sides[] = {
        {key::Left, "left.bmp", DrawLeftBorder(t), cap, t.borderWidth, 1},
        {key::Right, "right.bmp", DrawRightBorder(t), cap, t.borderWidth, 1},
        {key::Top, "top.bmp", DrawTopBorder(t), 8, 8, 0},
        {key::Bottom, "bottom.bmp", DrawBottomBorder(t), 0, 0, 0},
    };
    for (const Side &s : sides) {
        const QString p = s.key;
        ini.Key(p, Image(s.file, s.image));
        ini.Key(p + key::Frame, 2);
        ini.Key(p + key::TopHeight, s.fixedStart);
        ini.Key(p + key::BotHeight, s.fixedEnd);
        ini.Key(p + key::Stretch, 1);
        ini.Key(p + key::Trans, s.trans);
    }
    ini.Key(key::TextBack, Image("textback.bmp", DrawTextBack(t)));
    ini.Key(key::TXTBackleft, 6);
    ini.Key(key::TXTBackRight, 6);
    ini.Key(key::Textbackground, 0);
    ini.Key(key::TextShift, 22);
    ini.Key(key::TextShiftVert, 0);
    ini.Key(key::TextRightClip, 96);
    ini.Key(key::TextAlignment, 0);
    for (const auto &[prefix, colour] : {std::pair{key::ActiveText, t.titleTextActive},
                                         std::pair{key::InActiveText, t.titleTextInactive}}) {
        ini.Key(prefix + u'R', colour.red());
        ini.Key(prefix + u'G', colour.green());
        ini.Key(prefix + u'B', colour.blue());
    }
    ini.Key(key::MenuBar, Image("menubar.bmp", DrawMenuBar(t)));
    ini.Key(key::TileMenu, 1);
    ini.Key(key::TileLeftMenu, 2);
    ini.Key(key::TileRightMenu, 2);

    ini.Section(section::Fonts);
    ini.Key(key::FontHeight, 14);
}

void Builder::Colours() {
    ini.Section(section::Colours);
    ini.Colour(key::WindowText, t.windowText);
    ini.Colour(key::ButtonFace, t.buttonFace);
    ini.Colour(key::HilightText, t.hilightText);
    ini.Colour(key::Hilight, t.hilight);
    ini.Colour(key::Menubar, t.menubar);
    ini.Colour(key::Menu, t.menu);
    ini.Colour(key::MenuText, t.menuText);
    ini.Colour(key::ButtonText, t.buttonText);
    ini.Colour(key::ButtonHilight, t.buttonHilight);
    ini.Colour(key::Buttonlight, t.buttonLight);
    ini.Colour(key::ButtonShadow, t.buttonShadow);
    ini.Colour(key::ButtonDkShadow, t.buttonDkShadow);
    ini.Colour(key::MenuBarText, t.menuBarText);
    ini.Colour(key::TitleTextActive, t.titleTextActive);
    ini.Colour(key::TitleTextNoActive, t.titleTextInactive);
}

void Builder::CaptionButtons() {
    using namespace skin; // caption-button actions
    struct Button {
        int action;
        int xcoord;
        int visibility;
        int visibility1;
        CaptionGlyph glyph;
        const char *file;
    };
    // Align 1: x = window width - Xcoord. Visibility 1000 asks the window whether to show it.
    const Button buttons[] = {
        {cbaClose, 36, 0, 0, CaptionGlyph::Close, "btnclose.bmp"},
        {cbaMaximize, 64, 2, 6, CaptionGlyph::Maximize, "btnmax.bmp"},
        {cbaMaximize, 64, 1, 6, CaptionGlyph::Restore, "btnrestore.bmp"},
        {cbaMinimize, 92, 6, 6, CaptionGlyph::Minimize, "btnmin.bmp"},
    };
    int index = 0;
    for (const Button &b : buttons) {
        ini.Section(CaptionButtonSection(index++));
        ini.Key(key::Action, b.action);
        ini.Key(key::Align, 1);
        ini.Key(key::Xcoord, b.xcoord);
        ini.Key(key::Ycoord, kCaptionButtonTop);
        ini.Key(key::Visibility, b.visibility);
        ini.Key(key::Visibility1, b.visibility1);
        ini.Key(key::ButtonFrame, 4);
        ini.Key(key::ButtonImage, Image(b.file, DrawCaptionButton(t, b.glyph)));
    }
    // System-menu button: the window's icon is drawn, so it has no image.
    ini.Section(CaptionButtonSection(index++));
    ini.Key(key::Action, cbaSystemMenu);
    ini.Key(key::Align, 0);
    ini.Key(key::Xcoord, 6);
    ini.Key(key::Ycoord, (t.captionHeight - 16) / 2);
    ini.Key(key::Visibility, 0);
    ini.Key(key::Visibility1, 0);
    // Context help: takes the maximize button's place when a window asks for it.
    ini.Section(CaptionButtonSection(index++));
    ini.Key(key::Action, cbaHelp);
    ini.Key(key::Align, 1);
    ini.Key(key::Visibility, 1000);
    ini.Key(key::Visibility1, 0);
    ini.Key(key::ButtonFrame, 4);
    ini.Key(key::ButtonImage, Image("btnhelp.bmp", DrawCaptionButton(t, CaptionGlyph::Help)));

    ini.Section(section::MDIControls);
    ini.Key(key::Image, Image("mdicontrols.bmp", DrawMdiControls(t)));
}

void Builder::Controls() {
    Object({section::Buttons, "buttons.bmp", DrawButtons(t), {4, 4, 4, 4}, 1, 0, 0, key::Bitmap});
    ini.Key(key::CheckButton, Image("check.bmp", DrawCheckBoxes(t)));
    ini.Key(key::CheckButtonFrame, 12);
    ini.Key(key::RadioButton, Image("radio.bmp", DrawRadioButtons(t)));
    ini.Key(key::RadioButtonFrame, 8);
    ini.Colour(key::NormalColour2, t.buttonText);
    ini.Colour(key::MouseOverColour2, QColor(20, 60, 120));
    ini.Colour(key::PressedColour2, QColor(20, 40, 90));

    Object(
        {section::Progress, "progress.bmp", DrawProgress(t), {2, 2, 2, 2}, 0, 0, 0, key::Bitmap});
    ini.Key(key::Style, 0);
    Object(
        {section::ProgressChunk, "progresschunk.bmp", DrawProgressChunk(t), {1, 0, 1, 0}, 1, 1, 1});

    Object({section::Tabs, "tabs.bmp", DrawTabs(t), {4, 4, 4, 2}, 1, 0});
    ini.Key(key::Border, Image("tabborder.bmp", DrawTabBorder(t)));
    ini.Key(key::Style, 1);
    ini.Colour(key::NormalColour2, QColor(70, 70, 70));
    ini.Colour(key::MouseOverColour2, QColor(0, 0, 0));
    Object({section::TabPane, "tabpane.bmp", DrawTabPane(t), {4, 4, 4, 4}, -1, 0, 1});

    Object({section::StatusBarEdges, "statusedges.bmp", DrawStatusEdges(t), {2, 2, 2, 2}, -1, 0});
    ini.Colour(key::NormalColour2, QColor(40, 40, 40));

    Object({section::GroupBoxEdge, "groupboxedge.bmp", DrawGroupBoxEdge(t), {4, 4, 4, 4}, 1});
    Object({section::GroupBox, "groupboxlabel.bmp", DrawGroupBoxLabel(t), {4, 0, 4, 0}});
    ini.Key(key::BackgroundAlignment, 0);
    ini.Key(key::BackgroundLeftShift, 0);
    ini.Key(key::BackgroundRightShift, 0);

    Object({section::ToolBars, "toolbars.bmp", DrawToolBars(t), {3, 3, 3, 3}, 1});
    Object({section::ComboButton, "combobutton.bmp", DrawComboButton(t), {2, 2, 2, 2}, 1});
    ini.Key(key::Style, 0);
    Object({section::SunkEdge, "sunkedge.bmp", DrawSunkEdge(t), {2, 2, 2, 2}, 1});
    Object({section::ExtraImages, "extraimages.bmp", DrawExtraImages(t), {}, 1});
    Object({section::Headerbar, "headerbar.bmp", DrawHeaderBar(t), {2, 2, 2, 2}, -1, 0, 2});
    Object({section::MenuItem, "menuitem.bmp", DrawMenuItem(t), {3, 3, 3, 3}, 1, 0});
    Object({section::MenuBackground, "menubg.bmp", DrawMenuBackground(t), {3, 3, 3, 3}, -1, 0});
}

void Builder::Scrolling() {
    Object({section::Scrollbar, "scrollbar.bmp", DrawScrollbar(t), {}, 1});
    Object({section::HorzScroll, "hscroll.bmp", DrawScrollTrough(t, Qt::Horizontal), {2, 1, 2, 1}});
    Object({section::VertScroll, "vscroll.bmp", DrawScrollTrough(t, Qt::Vertical), {1, 2, 1, 2}});
    Object({section::HorzScrollThumb,
            "hthumb.bmp",
            DrawScrollThumb(t, Qt::Horizontal),
            {4, 2, 4, 2},
            1});
    ini.Key(key::FrameCount, 3);
    Object({section::VertScrollThumb,
            "vthumb.bmp",
            DrawScrollThumb(t, Qt::Vertical),
            {2, 4, 2, 4},
            1});
    ini.Key(key::FrameCount, 3);

    const struct {
        Name section;
        const char *file;
        ThumbShape shape;
    } thumbs[] = {
        {section::TrackbarThumbHorz, "thumbh.bmp", ThumbShape::Horz},
        {section::TrackbarThumbVert, "thumbv.bmp", ThumbShape::Vert},
        {section::TrackbarThumbLeft, "thumbleft.bmp", ThumbShape::Left},
        {section::TrackbarThumbRight, "thumbright.bmp", ThumbShape::Right},
        {section::TrackbarThumbUp, "thumbup.bmp", ThumbShape::Up},
        {section::TrackbarThumbDown, "thumbdown.bmp", ThumbShape::Down},
    };
    for (const auto &thumb : thumbs)
        Object({thumb.section, thumb.file, DrawTrackThumb(t, thumb.shape), {}, 1});

    Object({section::UpDownHorz, "updownh.bmp", DrawUpDown(t, Qt::Horizontal), {}, 1});
    ini.Key(key::GlyphImage, Image("updownhglyph.bmp", DrawUpDownGlyphs(t, Qt::Horizontal)));
    Object({section::UpDownVert, "updownv.bmp", DrawUpDown(t, Qt::Vertical), {}, 1});
    ini.Key(key::GlyphImage, Image("updownvglyph.bmp", DrawUpDownGlyphs(t, Qt::Vertical)));

    const QImage track = DrawTrack(t, Qt::Horizontal, 12, 4);
    const QImage trackVert = DrawTrack(t, Qt::Vertical, 12, 4);
    Object({section::Track, "track.bmp", track, {2, 0, 2, 0}, -1, -1, 1});
    Object({section::TrackVert, "trackvert.bmp", trackVert, {0, 2, 0, 2}, -1, -1, 1});
}

void Builder::Resources() {
    content.resources.append({QStringLiteral("TORVANDMENU.bmp"), DrawSysMenuGlyphs(t)});
    content.resources.append({QStringLiteral("TRACK.bmp"), DrawTrack(t, Qt::Horizontal, 16, 8)});
    content.resources.append({QStringLiteral("TRACKVERT.bmp"), DrawTrack(t, Qt::Vertical, 16, 8)});
}

} // namespace

SkinContent BuildSkin(const Theme &theme) {
    Builder b(theme);
    b.Personality();
    b.Colours();
    b.CaptionButtons();
    b.Controls();
    b.Scrolling();
    b.Resources();
    b.content.ini = b.ini.Text();
    return b.content;
}

QByteArray PackSkin(const SkinContent &content) {
    skin::TSkinPackageWriter writer;
    writer.AddEntry(QString::fromLatin1(kIniName), content.ini);
    for (const NamedImage &entry : content.images)
        writer.AddEntry(entry.name, toBmp24(entry.image));
    return writer.Packed(20000);
}

} // namespace skinpack
