#pragma once

#include "support/skin/testskin.h"
#include "support/skin/windowfixture.h"

#include <QImage>
#include <QPoint>
#include <memory>

class QWidget;

namespace skin {
class TSkinData;
}

namespace skin::test {

// A skin-data component that has read the test skin.
std::unique_ptr<TSkinData> LoadedSkinData(const TTestSkin &skin);

// The application font without anti-aliasing, so text pixels are exactly the pen colour.
void UseCrispFont();

// One pixel of the widget as it paints (through its event filters).
QRgb PixelOf(QWidget *widget, const QPoint &at);

// A hover move to `at` sent to the widget (hot parts follow it).
void HoverAt(QWidget *widget, const QPoint &at);

// Shows the window and waits until it is the active window (focus then works).
bool ShowActive(QWidget *window);

} // namespace skin::test
