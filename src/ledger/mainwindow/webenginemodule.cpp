#include "ledger/mainwindow/webenginemodule.h"

#include "ledger/core/webpane.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QOpenGLContext>
#include <QWidget>

#ifndef QT_NO_OPENGL
// Qt's context that every OpenGL context of the program shares its resources with (exported
// by Qt GUI; the web engine reads it the same way).
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
#endif

namespace ledger {

namespace {

// The module's entry points (webenginepane.cpp).
using CreatePane = void (*)(QWidget *parent, QWidget **widget, WebPane **pane);
using StartEngine = void (*)();

CreatePane g_createPane = nullptr;
bool g_tried = false;

// A pane for a program without its web engine: it stays empty.
class EmptyWebPane : public QWidget, public WebPane {
public:
    using QWidget::QWidget;
    void navigate(const QUrl &) override {}
};

} // namespace

// The web engine composes its pages with OpenGL contexts that share one global context. The
// public way to have it, Qt::AA_ShareOpenGLContexts, makes it while the application starts and
// so loads OpenGL into every run; Qt offers no public call that makes it later. The program
// sets it through Qt GUI's exported setter when the web engine is loaded (checked on Qt 6.4.2;
// tst_startup fails when Qt stops taking it) and frees it after the engine has shut down (post
// routines run last in, first out).
void WebEngineModule::ensureShareContext() {
#ifndef QT_NO_OPENGL
    if (QOpenGLContext::globalShareContext())
        return;
    static QOpenGLContext *context = nullptr;
    context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    if (!context->create())
        qWarning("web engine: no OpenGL context to share");
    qt_gl_set_global_share_context(context);
    qAddPostRoutine([] {
        qt_gl_set_global_share_context(nullptr);
        delete context;
        context = nullptr;
    });
#endif
}

bool WebEngineModule::preload() {
    if (g_tried)
        return g_createPane != nullptr;
    g_tried = true;
    ensureShareContext();
    QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/kexbora-webpane"));
    if (!module.load()) {
        qWarning("web engine: %s", qPrintable(module.errorString()));
        return false;
    }
    g_createPane = reinterpret_cast<CreatePane>(module.resolve("kexboraCreateWebPane"));
    const auto start = reinterpret_cast<StartEngine>(module.resolve("kexboraStartWebEngine"));
    if (!g_createPane || !start) {
        qWarning("web engine: %s is not the program's browser module",
                 qPrintable(module.fileName()));
        g_createPane = nullptr;
        return false;
    }
    start();
    return true;
}

WebPaneWidget WebEngineModule::create(QWidget *parent) {
    if (preload()) {
        WebPaneWidget made;
        g_createPane(parent, &made.widget, &made.pane);
        if (made.widget && made.pane)
            return made;
    }
    auto *empty = new EmptyWebPane(parent);
    return {empty, empty};
}

} // namespace ledger
