#pragma once

#include <Qt>

namespace skin {

// What a point of a skinned window is: outside it, in the client, on the caption, on the menu
// bar strip, on one of the sizing edges or corners, or on a border that does not size.
enum class FrameHit {
    Nowhere,
    Client,
    Caption,
    MenuBar,
    Left,
    Right,
    Top,
    TopLeft,
    TopRight,
    Bottom,
    BottomLeft,
    BottomRight,
    Border,
};

// The edges a sizing hit moves; none for the other hits.
constexpr Qt::Edges SizingEdges(FrameHit hit) {
    switch (hit) {
    case FrameHit::Left:
        return Qt::LeftEdge;
    case FrameHit::Right:
        return Qt::RightEdge;
    case FrameHit::Top:
        return Qt::TopEdge;
    case FrameHit::Bottom:
        return Qt::BottomEdge;
    case FrameHit::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case FrameHit::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case FrameHit::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case FrameHit::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

// A point of the frame itself (not the client, not outside).
constexpr bool IsFrameHit(FrameHit hit) {
    return hit != FrameHit::Client && hit != FrameHit::Nowhere;
}

// The commands a window takes from its caption buttons, caption double-clicks and system menu.
enum class WindowCommand { Size, Move, Minimize, Maximize, Restore, Close, ContextHelp };

} // namespace skin
