#pragma once

#include "support/skin/testskin.h"

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

// The widget rendered as it paints (through its event filters), and one of its pixels.
QImage Grabbed(QWidget *widget);
QRgb PixelOf(QWidget *widget, const QPoint &at);

// Shows the window and waits until it is the active window (focus then works).
bool ShowActive(QWidget *window);

} // namespace skin::test
