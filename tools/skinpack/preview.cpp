#include "preview.h"

#include "imagekit.h"
#include "theme.h"

#include "skin/data/skinmetrics.h"
#include "skin/draw/drawprimitives.h"
#include "skin/draw/keyedblit.h"

#include <QFont>
#include <QPainter>

namespace skinpack {

namespace {

using skin::DrawFrameCentered;
using skin::DrawPart;
using skin::DrawStripFrame;
using skin::DrawThreePartTiled;

class PreviewPainter {
public:
    PreviewPainter(const SkinContent &content, QPainter &painter)
        : c(content), p(painter), t(Theme::calmBlue()) {}

    void Window(const QRect &r, bool active, const QString &title, bool withMenu);
    void Controls(const QPoint &origin);
    void MenuBar(const QRect &bar, bool active);

private:
    QImage Img(const char *name) const {
        for (const NamedImage &entry : c.images)
            if (entry.name == QLatin1String(name))
                return entry.image;
        return {};
    }
    void Button(const QRect &r, int frame, const QString &text, const QColor &ink);
    void CheckItem(const QPoint &at, const char *image, int frames, int frame, const QString &text,
                   bool enabled);
    void Field(const QRect &r, int frame, const QString &text);
    void Combo(const QRect &r, int frame, const QString &text);
    void SpinEdit(const QRect &r, const QString &text);
    void Tabs(const QRect &r);
    void Header(const QRect &r);
    void VScroll(const QRect &r, int thumbPos, int thumbLen, int hotFrame);
    void HScroll(const QRect &r, int thumbPos, int thumbLen);
    void Progress(const QRect &r, int percent);
    void TrackBar(const QRect &r, int pos);
    void GroupBox(const QRect &r, const QString &title);
    void StatusBar(const QRect &r);
    void PopupMenu(const QPoint &at);
    void Text(const QRect &r, const QString &s, const QColor &ink,
              int flags = Qt::AlignVCenter | Qt::AlignLeft) {
        p.setPen(ink);
        p.drawText(r, flags | Qt::TextSingleLine, s);
    }

    const SkinContent &c;
    QPainter &p;
    Theme t;
};

void PreviewPainter::Window(const QRect &r, bool active, const QString &title, bool withMenu) {
    const int frame = active ? 1 : 2;
    const int L = 4, T = t.captionHeight, R = 4, B = 4, menuH = withMenu ? 20 : 0;
    const int W = r.width(), H = r.height();
    p.save();
    p.translate(r.topLeft());
    // Borders are keyed here: the window region hides their key pixels on screen.
    DrawPart(p, QRect(0, 0, L, H), Img("left.bmp"), false, false, true, 2, frame,
             QMargins(0, T, 0, B));
    DrawPart(p, QRect(W - R, 0, R, H), Img("right.bmp"), false, false, true, 2, frame,
             QMargins(0, T, 0, B));
    DrawPart(p, QRect(L, 0, W - L - R, T), Img("top.bmp"), true, false, false, 2, frame,
             QMargins(8, 0, 8, 0));
    DrawPart(p, QRect(L, H - B, W - L - R, B), Img("bottom.bmp"), true, false, false, 2, frame,
             QMargins());

    // Caption: icon, text plate and text, caption buttons.
    QRect icon(6, 6, 16, 16);
    QImage iconImg = clearCanvas(16, 16);
    {
        QPainter ip(&iconImg);
        paintPlate(ip, iconImg.rect(), 4, QColor(120, 200, 140), QColor(46, 150, 90),
                   QColor(30, 110, 65));
        ip.setPen(Qt::white);
        QFont f = p.font();
        f.setPixelSize(11);
        f.setBold(true);
        ip.setFont(f);
        ip.drawText(iconImg.rect(), Qt::AlignCenter, QStringLiteral("K"));
    }
    p.drawImage(icon.topLeft(), iconImg);
    QFont captionFont = p.font();
    captionFont.setBold(true);
    p.setFont(captionFont);
    const QString caption = QStringLiteral("  ") + title + QStringLiteral(" ");
    const int textW = p.fontMetrics().horizontalAdvance(caption) + 12;
    const QRect plate(L + 22, 0, textW, T);
    DrawThreePartTiled(p, plate, Img("textback.bmp"), true, true, 2, frame, QMargins(6, 0, 6, 0));
    Text(plate.adjusted(6, 0, -6, 0), caption, active ? t.titleTextActive : t.titleTextInactive);
    p.setFont(QFont(captionFont.family(), captionFont.pointSize()));

    struct CaptionButton {
        const char *image;
        int xcoord;
        int width;
        int activeFrame;
    };
    // Close is shown hot, minimize pressed, so every state appears in the preview.
    const CaptionButton buttons[] = {
        {"btnclose.bmp", 36, 30, 3}, {"btnmax.bmp", 64, 28, 1}, {"btnmin.bmp", 92, 28, 2}};
    for (const CaptionButton &b : buttons)
        DrawStripFrame(p, QRect(W - b.xcoord, 4, b.width, 20), Img(b.image), true, 4,
                       active ? b.activeFrame : 4);

    // Menu bar with one hot item.
    if (withMenu)
        MenuBar(QRect(L, T, W - L - R, menuH), active);
    p.fillRect(QRect(L, T + menuH, W - L - R, H - T - menuH - B), t.buttonFace);
    p.restore();
}

void PreviewPainter::MenuBar(const QRect &bar, bool active) {
    const int frame = active ? 1 : 2;
    DrawPart(p, bar, Img("menubar.bmp"), true, false, false, 2, frame, QMargins(2, 0, 2, 0));
    int x = bar.left() + 2 + 4;
    const QStringList items = {QStringLiteral("文件(&F)"), QStringLiteral("记录(&R)"),
                               QStringLiteral("账户(&A)"), QStringLiteral("统计(&S)"),
                               QStringLiteral("帮助(&H)")};
    for (int i = 0; i < items.size(); ++i) {
        QString s = items.at(i);
        s.remove(QLatin1Char('&'));
        const int w = p.fontMetrics().horizontalAdvance(s) + 10;
        const QRect item(x, bar.top() + 1, w, bar.height() - 2);
        if (active && i == 1) {
            p.setPen(t.buttonHilight);
            p.setBrush(Qt::NoBrush);
            p.drawRect(item.adjusted(0, 0, -1, -1));
        }
        Text(item, s, t.menuBarText, Qt::AlignCenter);
        x += w;
    }
}

void PreviewPainter::Button(const QRect &r, int frame, const QString &text, const QColor &ink) {
    DrawPart(p, r, Img("buttons.bmp"), false, false, true, 5, frame, QMargins(4, 4, 4, 4));
    Text(r.translated(frame == 2 ? 1 : 0, frame == 2 ? 1 : 0), text, ink, Qt::AlignCenter);
}

void PreviewPainter::CheckItem(const QPoint &at, const char *image, int frames, int frame,
                               const QString &text, bool enabled) {
    DrawStripFrame(p, QRect(at, QSize(13, 13)), Img(image), true, frames, frame);
    Text(QRect(at.x() + 18, at.y() - 3, 120, 19), text, enabled ? t.windowText : t.buttonShadow);
}

void PreviewPainter::Field(const QRect &r, int frame, const QString &text) {
    DrawPart(p, r, Img("sunkedge.bmp"), false, false, true, 4, frame, QMargins(2, 2, 2, 2));
    Text(r.adjusted(5, 0, 0, 0), text, frame == 3 ? t.buttonShadow : t.windowText);
}

void PreviewPainter::Combo(const QRect &r, int frame, const QString &text) {
    Field(r, frame, text);
    const int a = skin::kArrowSize + 2;
    const QRect button(r.right() + 1 - a, r.top(), a, r.height());
    DrawPart(p, button, Img("combobutton.bmp"), false, false, true, 4, frame, QMargins(2, 2, 2, 2));
    DrawFrameCentered(p, button, Img("extraimages.bmp"), true, 5, frame);
}

void PreviewPainter::SpinEdit(const QRect &r, const QString &text) {
    Field(r, 1, text);
    const QRect up(r.right() - 16, r.top() + 2, 15, r.height() / 2 - 2);
    const QRect down(r.right() - 16, r.top() + r.height() / 2, 15, r.height() / 2 - 2);
    DrawStripFrame(p, up, Img("updownv.bmp"), true, 8, 4);
    DrawStripFrame(p, down, Img("updownv.bmp"), true, 8, 5);
    DrawFrameCentered(p, up, Img("updownvglyph.bmp"), true, 8, 4);
    DrawFrameCentered(p, down, Img("updownvglyph.bmp"), true, 8, 5);
}

void PreviewPainter::Tabs(const QRect &r) {
    const int tabH = 24;
    DrawPart(p, QRect(r.left(), r.top() + tabH - 1, r.width(), r.height() - tabH + 1),
             Img("tabpane.bmp"), false, false, false, 1, 1, QMargins(4, 4, 4, 4));
    const QStringList names = {QStringLiteral("收入"), QStringLiteral("支出"),
                               QStringLiteral("转账"), QStringLiteral("借贷")};
    const int frames[] = {1, 2, 3, 4};
    int x = r.left() + 2;
    for (int i = 0; i < names.size(); ++i) {
        const int w = 64;
        const bool selected = frames[i] == 2;
        const QRect tab(x, r.top() + (selected ? 0 : 2), w, tabH - (selected ? 0 : 2));
        DrawPart(p, tab, Img("tabs.bmp"), false, false, true, 5, frames[i], QMargins(4, 4, 4, 2));
        Text(tab, names.at(i), frames[i] == 4 ? t.buttonShadow : QColor(70, 70, 70),
             Qt::AlignCenter);
        x += w - 1;
    }
}

void PreviewPainter::Header(const QRect &r) {
    const QStringList cols = {QStringLiteral("日期"), QStringLiteral("类别"),
                              QStringLiteral("金额")};
    const int w = r.width() / int(cols.size());
    for (int i = 0; i < cols.size(); ++i) {
        const QRect cell(r.left() + i * w, r.top(), i == cols.size() - 1 ? r.width() - i * w : w,
                         r.height());
        DrawPart(p, cell, Img("headerbar.bmp"), false, false, false, 2, i == 1 ? 2 : 1,
                 QMargins(2, 2, 2, 2));
        Text(cell.adjusted(6, 0, 0, 0), cols.at(i), t.windowText);
    }
}

void PreviewPainter::VScroll(const QRect &r, int thumbPos, int thumbLen, int hotFrame) {
    const int s = skin::kArrowSize;
    DrawPart(p, r, Img("vscroll.bmp"), false, false, false, 4, 1, QMargins(1, 2, 1, 2));
    DrawStripFrame(p, QRect(r.left(), r.top(), s, s), Img("scrollbar.bmp"), true, 23, 9);
    DrawStripFrame(p, QRect(r.left(), r.bottom() - s + 1, s, s), Img("scrollbar.bmp"), true, 23,
                   hotFrame);
    const QRect thumb(r.left(), r.top() + s + thumbPos, s, thumbLen);
    DrawPart(p, thumb, Img("vthumb.bmp"), false, false, true, 3, 1, QMargins(2, 4, 2, 4));
    DrawFrameCentered(p, thumb, Img("scrollbar.bmp"), true, 23, 20);
}

void PreviewPainter::HScroll(const QRect &r, int thumbPos, int thumbLen) {
    const int s = skin::kArrowSize;
    DrawPart(p, r, Img("hscroll.bmp"), false, false, false, 4, 1, QMargins(2, 1, 2, 1));
    DrawStripFrame(p, QRect(r.left(), r.top(), s, s), Img("scrollbar.bmp"), true, 23, 2);
    DrawStripFrame(p, QRect(r.right() - s + 1, r.top(), s, s), Img("scrollbar.bmp"), true, 23, 5);
    const QRect thumb(r.left() + s + thumbPos, r.top(), thumbLen, s);
    DrawPart(p, thumb, Img("hthumb.bmp"), false, false, true, 3, 3, QMargins(4, 2, 4, 2));
    DrawFrameCentered(p, thumb, Img("scrollbar.bmp"), true, 23, 19);
}

void PreviewPainter::Progress(const QRect &r, int percent) {
    DrawPart(p, r, Img("progress.bmp"), false, false, false, 2, 1, QMargins(2, 2, 2, 2));
    const QRect fill(r.left(), r.top(), r.width() * percent / 100, r.height());
    DrawPart(p, fill, Img("progress.bmp"), false, false, false, 2, 2, QMargins(2, 2, 2, 2));
}

void PreviewPainter::TrackBar(const QRect &r, int pos) {
    const QRect shaft(r.left(), r.center().y() - 2, r.width(), 4);
    DrawPart(p, shaft, Img("track.bmp"), false, false, false, 1, 1, QMargins(2, 0, 2, 0));
    for (int i = 0; i <= 10; ++i) {
        const int x = r.left() + 5 + (r.width() - 11) * i / 10;
        p.fillRect(x, r.bottom() - 3, 1, 4, t.buttonShadow);
    }
    DrawStripFrame(p, QRect(r.left() + pos, r.center().y() - 10, 11, 20), Img("thumbh.bmp"), true,
                   5, 2);
}

void PreviewPainter::GroupBox(const QRect &r, const QString &title) {
    const int fh = p.fontMetrics().height();
    DrawPart(p, r.adjusted(0, fh / 2, 0, 0), Img("groupboxedge.bmp"), false, false, true, 2, 1,
             QMargins(4, 4, 4, 4));
    const int tw = p.fontMetrics().horizontalAdvance(title) + 8;
    p.fillRect(QRect(r.left() + 8, r.top(), tw, fh), t.buttonFace);
    Text(QRect(r.left() + 12, r.top(), tw, fh), title, t.windowText);
}

void PreviewPainter::StatusBar(const QRect &r) {
    p.fillRect(r, t.buttonFace);
    p.fillRect(r.left(), r.top(), r.width(), 1, mix(t.buttonFace, t.buttonShadow, 0.5));
    const int widths[] = {240, 200};
    const QStringList texts = {QStringLiteral("用户：家庭"), QStringLiteral("2024-05-01")};
    int x = r.left() + 2;
    for (int i = 0; i < 2; ++i) {
        const QRect panel(x, r.top() + 3, widths[i], r.height() - 5);
        DrawPart(p, panel, Img("statusedges.bmp"), false, false, false, 3, 1, QMargins(2, 2, 2, 2));
        Text(panel.adjusted(6, 0, 0, 0), texts.at(i), QColor(40, 40, 40));
        x += widths[i] + 2;
    }
    DrawStripFrame(p, QRect(r.right() - 12, r.bottom() - 12, 12, 12), Img("extraimages.bmp"), true,
                   5, 5);
}

void PreviewPainter::PopupMenu(const QPoint &at) {
    const QStringList items = {QStringLiteral("收入记录"), QStringLiteral("支出记录"), QString(),
                               QStringLiteral("导出 CSV"), QStringLiteral("退出")};
    const int w = 170, itemH = 22;
    const QRect box(at, QSize(w, 3 + 3 + itemH * int(items.size() - 1) + 9));
    DrawPart(p, box, Img("menubg.bmp"), false, false, false, 1, 1, QMargins(3, 3, 3, 3));
    int y = box.top() + 3;
    for (int i = 0; i < items.size(); ++i) {
        const bool separator = items.at(i).isEmpty();
        const int h = separator ? 9 : itemH;
        const QRect item(box.left() + 3, y, w - 6, h);
        if (separator) {
            // The bottom h rows of the separator frame, stretched along the row only.
            const QImage strip = Img("menuitem.bmp");
            const int fw = strip.width() / 5;
            DrawPart(p, item, strip.copy(fw, strip.height() - h, fw, h), false, false, true, 1, 1,
                     QMargins(3, 0, 3, 0));
        } else {
            DrawPart(p, item, Img("menuitem.bmp"), false, false, true, 5, i == 1 ? 4 : 1,
                     QMargins(3, 3, 3, 3));
            Text(item.adjusted(28, 0, 0, 0), items.at(i), i == 1 ? t.hilightText : t.menuText);
        }
        y += h;
    }
}

void PreviewPainter::Controls(const QPoint &o) {
    p.save();
    p.translate(o);
    const QString labels[] = {QStringLiteral("确定"), QStringLiteral("悬停"),
                              QStringLiteral("按下"), QStringLiteral("不可用"),
                              QStringLiteral("焦点")};
    const int frames[] = {1, 4, 2, 3, 5};
    const QColor inks[] = {t.buttonText, QColor(20, 60, 120), QColor(20, 40, 90), t.buttonShadow,
                           t.buttonText};
    for (int i = 0; i < 5; ++i)
        Button(QRect(12 + i * 92, 14, 82, 26), frames[i], labels[i], inks[i]);

    const char *checkTexts[] = {"未选", "选中", "悬停", "半选", "不可用"};
    const int checkFrames[] = {1, 5, 6, 9, 8};
    for (int i = 0; i < 5; ++i)
        CheckItem(QPoint(14 + i * 92, 56), "check.bmp", 12, checkFrames[i],
                  QString::fromUtf8(checkTexts[i]), i != 4);
    const char *radioTexts[] = {"现金", "银行卡", "悬停", "按下", "不可用"};
    const int radioFrames[] = {1, 5, 2, 7, 8};
    for (int i = 0; i < 5; ++i)
        CheckItem(QPoint(14 + i * 92, 80), "radio.bmp", 8, radioFrames[i],
                  QString::fromUtf8(radioTexts[i]), i != 4);

    Combo(QRect(12, 106, 150, 22), 1, QStringLiteral("日常开销"));
    Combo(QRect(172, 106, 150, 22), 4, QStringLiteral("工资收入"));
    SpinEdit(QRect(332, 106, 90, 22), QStringLiteral("12"));
    Field(QRect(432, 106, 120, 22), 3, QStringLiteral("只读"));

    GroupBox(QRect(12, 140, 260, 170), QStringLiteral("金额与日期"));
    Field(QRect(28, 168, 226, 22), 1, QStringLiteral("1,280.00"));
    Field(QRect(28, 198, 226, 22), 2, QStringLiteral("2024-05-01"));
    Progress(QRect(28, 234, 226, 14), 62);
    TrackBar(QRect(28, 256, 226, 24), 140);
    HScroll(QRect(28, 284, 226, skin::kArrowSize), 40, 70);

    Tabs(QRect(284, 138, 330, 196));
    const QRect list(292, 168, 314, 158);
    p.fillRect(list, t.field);
    Header(QRect(list.left(), list.top(), list.width() - skin::kArrowSize, 22));
    const QStringList rows = {QStringLiteral("2024-05-01    餐饮    86.50"),
                              QStringLiteral("2024-05-02    交通    12.00"),
                              QStringLiteral("2024-05-03    购物    239.90")};
    for (int i = 0; i < rows.size(); ++i) {
        const QRect row(list.left(), list.top() + 24 + i * 20, list.width() - skin::kArrowSize, 20);
        if (i == 1)
            p.fillRect(row, t.hilight);
        Text(row.adjusted(6, 0, 0, 0), rows.at(i), i == 1 ? t.hilightText : t.windowText);
    }
    VScroll(QRect(list.right() - skin::kArrowSize + 1, list.top(), skin::kArrowSize, list.height()),
            10, 40, 15);

    StatusBar(QRect(0, 394, 632, 24));
    // The "记录" menu of the menu bar, open.
    PopupMenu(QPoint(2 + 4 + p.fontMetrics().horizontalAdvance(QStringLiteral("文件(F)")) + 10, 0));
    p.restore();
}

} // namespace

QImage RenderPreview(const SkinContent &content) {
    const Theme theme = Theme::calmBlue();
    QImage canvas(760, 560, QImage::Format_RGB32);
    QPainter p(&canvas);
    fillGradient(p, canvas.rect(), QColor(205, 214, 226), QColor(170, 184, 204));
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(12);
    p.setFont(font);

    PreviewPainter painter(content, p);
    painter.Window(QRect(400, 16, 340, 200), false, QStringLiteral("修改密码"), false);
    const QRect main(20, 60, 640, 470);
    painter.Window(main, true, QStringLiteral("Kexbora 家庭记账"), true);
    const QPoint client(main.left() + 4, main.top() + theme.captionHeight + 20);
    painter.Controls(client);
    return canvas;
}

} // namespace skinpack
