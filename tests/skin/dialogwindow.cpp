// Skinned dialogs for the dialogs' end-to-end runs.
//
// Without arguments: message boxes, each answered in turn before the next opens. "Growing box"
// (no parent) gets a longer text and the title "Grown box" as soon as its window is exposed;
// "Moved box" (no parent, moved by its caller to 300, 200) and "Owned box" (over the window "Box
// owner") are each shown three times, again whenever they close; "Movable box" (no parent) grows
// by a line of text at each F2. As each box closes, the program prints where Qt had its top-left
// corner on the screen ("x y", in Qt's coordinates). It ends after the last box.
//
// With the argument "modal": the window "Dialog owner" with a text field, where F2 opens the
// modal dialog "Modal dialog" (a text field) over it, as often as asked. The program first prints
// the colour of the active frame's left border ("r,g,b").
#include "support/skin/windowfixture.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QShortcut>
#include <QTextStream>
#include <QVBoxLayout>
#include <QWindow>
#include <functional>

using namespace skin;
using namespace skin::test;

namespace {

// Runs `action` once, when the window is first exposed (just after it maps).
class OnFirstExpose : public QObject {
public:
    OnFirstExpose(QWindow *window, std::function<void()> action) : action(std::move(action)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, action, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> action;
};

QMessageBox *Box(const QString &title, QWidget *parent) {
    auto *box = new QMessageBox(QMessageBox::Information, title, QStringLiteral("Short text."),
                                QMessageBox::Ok, parent);
    QObject::connect(box, &QDialog::finished, box, [box] {
        const QPoint corner = box->mapToGlobal(QPoint(0, 0));
        QTextStream(stdout) << corner.x() << ' ' << corner.y() << Qt::endl;
    });
    return box;
}

// Shows the box `times` times, each when it closed, then runs `next`.
void ShowRepeatedly(QMessageBox *box, int times, std::function<void()> next) {
    auto shown = std::make_shared<int>(1);
    QObject::connect(box, &QDialog::finished, box, [box, times, shown, next] {
        if (++*shown > times)
            return next();
        box->show();
    });
    box->show();
}

// The owner window of the "modal" run, which opens its modal dialog at each F2.
void ShowModalOwner(QWidget &owner) {
    owner.setWindowTitle(QStringLiteral("Dialog owner"));
    owner.setGeometry(150, 120, 640, 480);
    (new QVBoxLayout(&owner))->addWidget(new QLineEdit(&owner));
    QObject::connect(new QShortcut(Qt::Key_F2, &owner), &QShortcut::activated, &owner, [&owner] {
        QDialog dialog(&owner);
        dialog.setWindowTitle(QStringLiteral("Modal dialog"));
        (new QVBoxLayout(&dialog))->addWidget(new QLineEdit(&dialog));
        dialog.exec();
    });
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TWindowFixture fixture;
    QWidget owner;
    if (argc > 1 && QByteArray(argv[1]) == "modal") {
        const TTestSkin skin;
        const QColor active(skin.FrameColour(QStringLiteral("left.bmp"), 1));
        QTextStream(stdout) << active.red() << ',' << active.green() << ',' << active.blue()
                            << Qt::endl;
        fixture.AddSkinData(skin, &owner);
        ShowModalOwner(owner);
        fixture.Show(&owner);
        return app.exec();
    }
    owner.setWindowTitle(QStringLiteral("Box owner"));
    const qreal ratio = app.devicePixelRatio(); // the owner covers the same pixels at any ratio
    owner.setGeometry(QRect(QPoint(150, 120) / ratio, QSize(640, 480) / ratio));
    fixture.AddSkinData(TTestSkin(), &owner);
    fixture.Show(&owner);

    QMessageBox *growing = Box(QStringLiteral("Growing box"), nullptr);
    QMessageBox *moved = Box(QStringLiteral("Moved box"), nullptr);
    QMessageBox *owned = Box(QStringLiteral("Owned box"), &owner);
    QMessageBox *movable = Box(QStringLiteral("Movable box"), nullptr);
    moved->move(300, 200);
    growing->winId();
    OnFirstExpose grow(growing->windowHandle(), [growing] {
        growing->setText(QStringLiteral("A much longer text than the box had when it was shown,\n"
                                        "on two lines, so that the box grows both ways."));
        growing->setWindowTitle(QStringLiteral("Grown box"));
    });
    QObject::connect(new QShortcut(Qt::Key_F2, movable), &QShortcut::activated, movable, [movable] {
        movable->setText(movable->text() + QStringLiteral("\nOne more line of a longer text."));
    });
    QObject::connect(growing, &QDialog::finished, growing, [&] {
        ShowRepeatedly(moved, 3, [&] {
            ShowRepeatedly(owned, 3, [&] { ShowRepeatedly(movable, 1, &QCoreApplication::quit); });
        });
    });
    growing->show();
    const int result = app.exec();
    delete growing;
    delete moved;
    delete movable;
    return result;
}
