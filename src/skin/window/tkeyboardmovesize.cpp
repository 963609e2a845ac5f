#include "skin/window/tkeyboardmovesize.h"

#include <QKeyEvent>
#include <QWidget>

namespace skin {

namespace {

const char *const RunningProperty = "skinKeyboardMoveSize";

} // namespace

TKeyboardMoveSize::TKeyboardMoveSize(QWidget *window, TMode mode)
    : QObject(window), window(window), mode(mode), original(window->geometry()) {
    window->setProperty(RunningProperty, QVariant::fromValue<QObject *>(this));
    window->installEventFilter(this);
    window->grabKeyboard();
}

TKeyboardMoveSize *TKeyboardMoveSize::Start(QWidget *window, TMode mode) {
    if (!window)
        return nullptr;
    if (TKeyboardMoveSize *running = Running(window))
        running->Finish(true);
    return new TKeyboardMoveSize(window, mode);
}

TKeyboardMoveSize *TKeyboardMoveSize::Running(const QWidget *window) {
    auto *running = window ? qobject_cast<TKeyboardMoveSize *>(
                                 window->property(RunningProperty).value<QObject *>())
                           : nullptr;
    return running && !running->finished ? running : nullptr;
}

QRect TKeyboardMoveSize::ArrowStep(const QRect &geometry, TMode mode, Qt::Edges &edges, int key,
                                   QSize minimum, QSize maximum) {
    const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
    if (!horizontal && key != Qt::Key_Up && key != Qt::Key_Down)
        return geometry;
    const int delta = key == Qt::Key_Left || key == Qt::Key_Up ? -Step : Step;
    QRect r = geometry;
    if (mode == TMode::Move)
        return horizontal ? r.translated(delta, 0) : r.translated(0, delta);
    const Qt::Edges axis = horizontal ? Qt::Edges(Qt::LeftEdge | Qt::RightEdge)
                                      : Qt::Edges(Qt::TopEdge | Qt::BottomEdge);
    if (!(edges & axis)) {
        edges |= horizontal ? (delta < 0 ? Qt::LeftEdge : Qt::RightEdge)
                            : (delta < 0 ? Qt::TopEdge : Qt::BottomEdge);
        return r;
    }
    const auto clampLength = [](int length, int lo, int hi) {
        return std::clamp(length, std::max(lo, 1), std::max(hi, std::max(lo, 1)));
    };
    if (horizontal) {
        const int w = clampLength(r.width() + (edges & Qt::LeftEdge ? -delta : delta),
                                  minimum.width(), maximum.width());
        if (edges & Qt::LeftEdge)
            r.setLeft(r.right() + 1 - w);
        else
            r.setWidth(w);
    } else {
        const int h = clampLength(r.height() + (edges & Qt::TopEdge ? -delta : delta),
                                  minimum.height(), maximum.height());
        if (edges & Qt::TopEdge)
            r.setTop(r.bottom() + 1 - h);
        else
            r.setHeight(h);
    }
    return r;
}

void TKeyboardMoveSize::Finish(bool keep) {
    if (finished)
        return;
    finished = true;
    if (window) {
        window->releaseKeyboard();
        window->removeEventFilter(this);
        if (!keep) // still the mode's move
            window->setGeometry(original);
        window->setProperty(RunningProperty, QVariant());
    }
    deleteLater();
}

bool TKeyboardMoveSize::eventFilter(QObject *watched, QEvent *event) {
    if (watched != window || finished)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Finish(true);
        } else if (key == Qt::Key_Escape) {
            Finish(false);
        } else {
            const QRect next = ArrowStep(window->geometry(), mode, edges, key,
                                         window->minimumSize(), window->maximumSize());
            if (next != window->geometry())
                window->setGeometry(next);
        }
        return true;
    }
    case QEvent::KeyRelease:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        Finish(true);
        return false;
    default:
        return false;
    }
}

} // namespace skin
