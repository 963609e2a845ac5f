#include "skin/menus/systemmenu.h"

#include <QAction>
#include <QMenu>
#include <QPixmap>

namespace skin {

namespace {

constexpr int GlyphSize = 16;

enum TGlyph { GlyphRestore = 0, GlyphMaximize = 1, GlyphMinimize = 2, GlyphClose = 3 };

QIcon GlyphIcon(const QImage &glyphs, int glyph) {
    const QRect source(glyph * GlyphSize, 0, GlyphSize, GlyphSize);
    if (glyph < 0 || glyphs.isNull() || !glyphs.rect().contains(source))
        return QIcon();
    return QIcon(QPixmap::fromImage(glyphs.copy(source)));
}

} // namespace

QList<TSystemMenuItem> SystemMenuItems(const TSystemMenuState &s) {
    const bool normal = !s.Maximized && !s.Minimized;
    using C = WindowCommand;
    const TSystemMenuItem restore{false, C::Restore, QStringLiteral("还原(&R)"), GlyphRestore,
                                  s.Maximized || s.Minimized};
    const TSystemMenuItem move{false, C::Move, QStringLiteral("移动(&M)"), -1, normal};
    const TSystemMenuItem size{false, C::Size, QStringLiteral("大小(&S)"), -1, normal && s.Sizable};
    const TSystemMenuItem minimize{false, C::Minimize, QStringLiteral("最小化(&N)"), GlyphMinimize,
                                   !s.Minimized && s.HasMinimize};
    const TSystemMenuItem maximize{false, C::Maximize, QStringLiteral("最大化(&X)"), GlyphMaximize,
                                   !s.Maximized && s.HasMaximize};
    const TSystemMenuItem separator{true, C::Close, QString(), -1, true};
    const TSystemMenuItem close{false, C::Close, QStringLiteral("关闭(&C)"), GlyphClose,
                                s.HasClose};
    if (s.DialogFrame) {
        QList<TSystemMenuItem> items{move};
        if (s.Sizable)
            items << size;
        return items << separator << close;
    }
    return {restore, move, size, minimize, maximize, separator, close};
}

void BuildSystemMenu(QMenu &menu, const QList<TSystemMenuItem> &items, const QImage &glyphs,
                     const std::function<void(WindowCommand)> &command) {
    menu.setProperty("tag", SystemMenuTag);
    for (const TSystemMenuItem &item : items) {
        if (item.Separator) {
            menu.addSeparator();
            continue;
        }
        // Close shows its key as text: the window manager owns Alt+F4.
        const QString text = item.Command == WindowCommand::Close
                                 ? item.Caption + QStringLiteral("\tAlt+F4")
                                 : item.Caption;
        QAction *action = menu.addAction(GlyphIcon(glyphs, item.Glyph), text);
        action->setEnabled(item.Enabled);
        const WindowCommand chosen = item.Command;
        QObject::connect(action, &QAction::triggered, &menu,
                         [command, chosen] { command(chosen); });
    }
}

} // namespace skin
