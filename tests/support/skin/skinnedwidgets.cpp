#include "support/skin/skinnedwidgets.h"

#include "skin/data/tskindata.h"

#include <QApplication>
#include <QHoverEvent>
#include <QTest>
#include <QWidget>

namespace skin::test {

std::unique_ptr<TSkinData> LoadedSkinData(const TTestSkin &skin) {
    auto data = std::make_unique<TSkinData>();
    data->SetSkinStream(skin.Packed());
    data->Loaded();
    return data;
}

void UseCrispFont() {
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(font);
}

QRgb PixelOf(QWidget *widget, const QPoint &at) {
    return PixelAt(Grab(widget), at.x(), at.y());
}

void HoverAt(QWidget *widget, const QPoint &at) {
    QHoverEvent e(QEvent::HoverMove, at, widget->mapToGlobal(at), at);
    QApplication::sendEvent(widget, &e);
}

bool ShowActive(QWidget *window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace skin::test
