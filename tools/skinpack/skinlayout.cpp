#include "skinlayout.h"

#include "bmpfile.h"
#include "controlart.h"
#include "fieldart.h"
#include "frameart.h"
#include "iniwriter.h"
#include "scrollart.h"

#include "skin/package/packagewriter.h"

namespace skinpack {

namespace {

class Builder {
public:
    explicit Builder(const Theme &theme) : t(theme) {}

    QByteArray Image(const char *name, const QImage &image) {
        content.images.append({QString::fromLatin1(name), image});
        return QByteArray(name);
    }

    // One section of the common shape: image key, then only the keys that are given.
    struct Part {
        const char *section;
        const char *file;
        QImage image;
        QMargins margins;
        int trans = -1;
        int tile = -1;
        int frame = 0;
        const char *imageKey = "Image";
    };
    void Object(const Part &part) {
        ini.Section(part.section);
        ini.Key(part.imageKey, Image(part.file, part.image));
        if (part.frame > 0)
            ini.Key("Frame", part.frame);
        if (!part.margins.isNull())
            ini.Margins(part.margins.left(), part.margins.top(), part.margins.right(),
                        part.margins.bottom());
        if (part.trans >= 0)
            ini.Key("Trans", part.trans);
        if (part.tile >= 0)
            ini.Key("Tile", part.tile);
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
    ini.Section("Personality");
    const int cap = t.captionHeight;
    struct Side {
        const char *key;
        const char *file;
        QImage image;
        int fixedStart;
        int fixedEnd;
        int trans;
    };
    const Side sides[] = {
        {"Left", "left.bmp", DrawLeftBorder(t), cap, t.borderWidth, 1},
        {"Right", "right.bmp", DrawRightBorder(t), cap, t.borderWidth, 1},
        {"Top", "top.bmp", DrawTopBorder(t), 8, 8, 0},
        {"Bottom", "bottom.bmp", DrawBottomBorder(t), 0, 0, 0},
    };
    for (const Side &s : sides) {
        const QByteArray p(s.key);
        ini.Key(p, Image(s.file, s.image));
        ini.Key(p + "Frame", 2);
        ini.Key(p + "TopHeight", s.fixedStart);
        ini.Key(p + "BotHeight", s.fixedEnd);
        ini.Key(p + "Stretch", 1);
        ini.Key(p + "Trans", s.trans);
    }
    ini.Key("TextBack", Image("textback.bmp", DrawTextBack(t)));
    ini.Key("TXTBackleft", 6);
    ini.Key("TXTBackRight", 6);
    ini.Key("Textbackground", 0);
    ini.Key("TextShift", 22);
    ini.Key("TextShiftVert", 0);
    ini.Key("TextRightClip", 96);
    ini.Key("TextAlignment", 0);
    for (const auto &[prefix, colour] :
         {std::pair{QByteArray("ActiveText"), t.titleTextActive},
          std::pair{QByteArray("InActiveText"), t.titleTextInactive}}) {
        ini.Key(prefix + 'R', colour.red());
        ini.Key(prefix + 'G', colour.green());
        ini.Key(prefix + 'B', colour.blue());
    }
    ini.Key("menuBar", Image("menubar.bmp", DrawMenuBar(t)));
    ini.Key("TileMenu", 1);
    ini.Key("TileLeftMenu", 2);
    ini.Key("TileRightMenu", 2);

    ini.Section("Fonts");
    ini.Key("FontHeight", 14);
}

void Builder::Colours() {
    ini.Section("Colours");
    ini.Colour("WindowText", t.windowText);
    ini.Colour("ButtonFace", t.buttonFace);
    ini.Colour("HilightText", t.hilightText);
    ini.Colour("Hilight", t.hilight);
    ini.Colour("Menubar", t.menubar);
    ini.Colour("Menu", t.menu);
    ini.Colour("MenuText", t.menuText);
    ini.Colour("ButtonText", t.buttonText);
    ini.Colour("ButtonHilight", t.buttonHilight);
    ini.Colour("Buttonlight", t.buttonLight);
    ini.Colour("ButtonShadow", t.buttonShadow);
    ini.Colour("ButtonDkShadow", t.buttonDkShadow);
    ini.Colour("MenuBarText", t.menuBarText);
    ini.Colour("TitleTextActive", t.titleTextActive);
    ini.Colour("TitleTextNoActive", t.titleTextInactive);
}

void Builder::CaptionButtons() {
    struct Button {
        const char *section;
        int action;
        int xcoord;
        int visibility;
        int visibility1;
        CaptionGlyph glyph;
        const char *file;
    };
    // Align 1: x = window width - Xcoord. Visibility 1000 asks the window whether to show it.
    const Button buttons[] = {
        {"BUTTON0", 0, 36, 0, 0, CaptionGlyph::Close, "btnclose.bmp"},
        {"BUTTON1", 1, 64, 2, 6, CaptionGlyph::Maximize, "btnmax.bmp"},
        {"BUTTON2", 1, 64, 1, 6, CaptionGlyph::Restore, "btnrestore.bmp"},
        {"BUTTON3", 2, 92, 6, 6, CaptionGlyph::Minimize, "btnmin.bmp"},
    };
    for (const Button &b : buttons) {
        ini.Section(b.section);
        ini.Key("Action", b.action);
        ini.Key("Align", 1);
        ini.Key("Xcoord", b.xcoord);
        ini.Key("Ycoord", kCaptionButtonTop);
        ini.Key("Visibility", b.visibility);
        ini.Key("Visibility1", b.visibility1);
        ini.Key("frame", 4);
        ini.Key("ButtonImage", Image(b.file, DrawCaptionButton(t, b.glyph)));
    }
    // System-menu button: the window's icon is drawn, so it has no image.
    ini.Section("BUTTON4");
    ini.Key("Action", 3);
    ini.Key("Align", 0);
    ini.Key("Xcoord", 6);
    ini.Key("Ycoord", (t.captionHeight - 16) / 2);
    ini.Key("Visibility", 0);
    ini.Key("Visibility1", 0);
    // Context help: takes the maximize button's place when a window asks for it.
    ini.Section("BUTTON5");
    ini.Key("Action", 4);
    ini.Key("Align", 1);
    ini.Key("Visibility", 1000);
    ini.Key("Visibility1", 0);
    ini.Key("frame", 4);
    ini.Key("ButtonImage", Image("btnhelp.bmp", DrawCaptionButton(t, CaptionGlyph::Help)));

    ini.Section("MDICONTROLS");
    ini.Key("Image", Image("mdicontrols.bmp", DrawMdiControls(t)));
}

void Builder::Controls() {
    Object({"Buttons", "buttons.bmp", DrawButtons(t), {4, 4, 4, 4}, 1, 0, 0, "Bitmap"});
    ini.Key("CheckButton", Image("check.bmp", DrawCheckBoxes(t)));
    ini.Key("CheckButtonFrame", 12);
    ini.Key("RadioButton", Image("radio.bmp", DrawRadioButtons(t)));
    ini.Key("RadioButtonFrame", 8);
    ini.Colour("NormalColour2", t.buttonText);
    ini.Colour("MouseOverColour2", QColor(20, 60, 120));
    ini.Colour("PressedColour2", QColor(20, 40, 90));

    Object({"Progress", "progress.bmp", DrawProgress(t), {2, 2, 2, 2}, 0, 0, 0, "Bitmap"});
    ini.Key("Style", 0);
    Object({"Progress.Chunk", "progresschunk.bmp", DrawProgressChunk(t), {1, 0, 1, 0}, 1, 1, 1});

    Object({"Tabs", "tabs.bmp", DrawTabs(t), {4, 4, 4, 2}, 1, 0});
    ini.Key("Border", Image("tabborder.bmp", DrawTabBorder(t)));
    ini.Key("Style", 1);
    ini.Colour("NormalColour2", QColor(70, 70, 70));
    ini.Colour("MouseOverColour2", QColor(0, 0, 0));
    Object({"Tab.Pane", "tabpane.bmp", DrawTabPane(t), {4, 4, 4, 4}, -1, 0, 1});

    Object({"StatusBarEdges", "statusedges.bmp", DrawStatusEdges(t), {2, 2, 2, 2}, -1, 0});
    ini.Colour("NormalColour2", QColor(40, 40, 40));

    Object({"GroupBoxEdge", "groupboxedge.bmp", DrawGroupBoxEdge(t), {4, 4, 4, 4}, 1});
    Object({"GroupBox", "groupboxlabel.bmp", DrawGroupBoxLabel(t), {4, 0, 4, 0}});
    ini.Key("BackgroundAlignment", 0);
    ini.Key("BackgroundLeftShift", 0);
    ini.Key("BackgroundRightShift", 0);

    Object({"ToolBars", "toolbars.bmp", DrawToolBars(t), {3, 3, 3, 3}, 1});
    Object({"ComboButton", "combobutton.bmp", DrawComboButton(t), {2, 2, 2, 2}, 1});
    ini.Key("Style", 0);
    Object({"SunkEdge", "sunkedge.bmp", DrawSunkEdge(t), {2, 2, 2, 2}, 1});
    Object({"ExtraImages", "extraimages.bmp", DrawExtraImages(t), {}, 1});
    Object({"Headerbar", "headerbar.bmp", DrawHeaderBar(t), {2, 2, 2, 2}, -1, 0, 2});
    Object({"MenuItem", "menuitem.bmp", DrawMenuItem(t), {3, 3, 3, 3}, 1, 0});
    Object({"MenuBackground", "menubg.bmp", DrawMenuBackground(t), {3, 3, 3, 3}, -1, 0});
}

void Builder::Scrolling() {
    Object({"Scrollbar", "scrollbar.bmp", DrawScrollbar(t), {}, 1});
    Object({"HorzScroll", "hscroll.bmp", DrawScrollTrough(t, Qt::Horizontal), {2, 1, 2, 1}});
    Object({"VertScroll", "vscroll.bmp", DrawScrollTrough(t, Qt::Vertical), {1, 2, 1, 2}});
    Object({"HorzScrollThumb", "hthumb.bmp", DrawScrollThumb(t, Qt::Horizontal), {4, 2, 4, 2}, 1});
    ini.Key("FrameCount", 3);
    Object({"VertScrollThumb", "vthumb.bmp", DrawScrollThumb(t, Qt::Vertical), {2, 4, 2, 4}, 1});
    ini.Key("FrameCount", 3);

    const struct {
        const char *section;
        const char *file;
        ThumbShape shape;
    } thumbs[] = {
        {"Trackbar.ThumbHorz", "thumbh.bmp", ThumbShape::Horz},
        {"Trackbar.ThumbVert", "thumbv.bmp", ThumbShape::Vert},
        {"Trackbar.ThumbLeft", "thumbleft.bmp", ThumbShape::Left},
        {"Trackbar.ThumbRight", "thumbright.bmp", ThumbShape::Right},
        {"Trackbar.ThumbUp", "thumbup.bmp", ThumbShape::Up},
        {"Trackbar.ThumbDown", "thumbdown.bmp", ThumbShape::Down},
    };
    for (const auto &thumb : thumbs)
        Object({thumb.section, thumb.file, DrawTrackThumb(t, thumb.shape), {}, 1});

    Object({"UpDown.Horz", "updownh.bmp", DrawUpDown(t, Qt::Horizontal), {}, 1});
    ini.Key("GlyphImage", Image("updownhglyph.bmp", DrawUpDownGlyphs(t, Qt::Horizontal)));
    Object({"UpDown.Vert", "updownv.bmp", DrawUpDown(t, Qt::Vertical), {}, 1});
    ini.Key("GlyphImage", Image("updownvglyph.bmp", DrawUpDownGlyphs(t, Qt::Vertical)));

    Object({"Track", "track.bmp", DrawTrack(t, Qt::Horizontal, 12, 4), {2, 0, 2, 0}, -1, -1, 1});
    Object(
        {"TRACKVERT", "trackvert.bmp", DrawTrack(t, Qt::Vertical, 12, 4), {0, 2, 0, 2}, -1, -1, 1});
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
