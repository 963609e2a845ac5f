#pragma once

#include <functional>

class QWidget;

namespace ledger {

class WebPane;

// A browser pane as a widget plus the pane interface it implements (one object, two views).
struct WebPaneWidget {
    QWidget *widget = nullptr;
    WebPane *pane = nullptr;
};

// Creates one browser pane under parent. The main window uses the web engine by default;
// tests inject a factory of stubs so that no browser process ever starts.
using WebPaneFactory = std::function<WebPaneWidget(QWidget *parent)>;

} // namespace ledger
