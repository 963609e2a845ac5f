#pragma once

#include <QPointer>
#include <QWidget>

namespace skin {

class TSkinControl;

// A small skinned button laid over a date picker's own drop button: frame 1 of the skin's
// ComboxArrow strip, frame 4 while the pointer is over it. A press on it is handed to the
// picker as a click on its drop button, so the picker opens its calendar, and the picker takes
// the focus. It never takes the focus itself. While the creator's skin is off it draws nothing
// and the picker's own button shows through.
class TArrowButton : public QWidget {
    Q_OBJECT

public:
    TArrowButton(TSkinControl *creator, QWidget *picker);

    // Places the button over the picker's drop button: inside the picker's 2-pixel frame, at
    // its right edge (left for a right-to-left picker).
    void Place();
    bool Hot() const { return hot; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool Active() const;

    QPointer<TSkinControl> creator;
    QPointer<QWidget> picker;
    bool hot = false;
};

} // namespace skin
