#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

namespace skin {

// Moving or sizing a window from the keyboard, as the system menu's Move and Size items do:
// arrow keys move the window (or the chosen edges) by a step, Enter keeps the result, Esc puts
// the window back, a mouse press or losing the focus keeps it too.
class TKeyboardMoveSize : public QObject {
    Q_OBJECT

public:
    enum class TMode { Move, Size };
    static constexpr int Step = 8;

    // Starts the mode on a window (ends one already running on it).
    static TKeyboardMoveSize *Start(QWidget *window, TMode mode);
    // The mode running on a window, or nullptr.
    static TKeyboardMoveSize *Running(const QWidget *window);

    // One arrow key: the new geometry. Sizing: the first Left/Right picks the left/right edge,
    // the first Up/Down the top/bottom edge (picking moves nothing); then the arrows move the
    // picked edges, keeping the size within minimum and maximum. Other keys change nothing.
    static QRect ArrowStep(const QRect &geometry, TMode mode, Qt::Edges &edges, int key,
                           QSize minimum, QSize maximum);

    TMode Mode() const { return mode; }
    void Finish(bool keep);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TKeyboardMoveSize(QWidget *window, TMode mode);

    QPointer<QWidget> window;
    TMode mode;
    QRect original;
    Qt::Edges edges;
    bool finished = false;
};

} // namespace skin
