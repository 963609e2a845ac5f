#pragma once

#include <QPointer>
#include <QWidget>

namespace skin {

class TSkinControl;

// A small skinned button laid over a date picker's own drop button: frame 1 of the skin's
// ComboxArrow strip, frame 4 while the pointer is over it. A press on it is handed to the
// picker as a click on its drop button, so the picker opens its calendar, and the picker takes
// the focus. It never takes the focus itself. Hot is asked again when the calendar closes and
// when the picker is enabled: no leave comes for a pointer that left while the calendar held it.
// While the creator's skin is off it draws nothing and the picker's own button shows through.
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
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Active() const;
    void SetHot(bool on);

    QPointer<TSkinControl> creator;
    QPointer<QWidget> picker;
    bool hot = false;
    QPointer<QWidget> calendar; // the picker's pop-up, watched for hiding
};

} // namespace skin
