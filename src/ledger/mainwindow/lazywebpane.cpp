#include "ledger/mainwindow/lazywebpane.h"

#include "ledger/app/programskin.h"

#include <QStackedLayout>
#include <QTextBrowser>

namespace ledger {

LazyWebPane::LazyWebPane(WebPaneFactory engine, QWidget *parent)
    : QWidget(parent), m_makeEngine(std::move(engine)), m_stack(new QStackedLayout(this)),
      m_light(new QTextBrowser(this)) {
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_light->setObjectName(QStringLiteral("lightView"));
    m_light->setProperty("tag", kDisableTag); // drawn as a browser page, not a skinned field
    m_light->setFrameShape(QFrame::NoFrame);
    m_light->setContextMenuPolicy(Qt::NoContextMenu);
    // A page without a background of its own shows the colour of the panel around the pane.
    m_light->viewport()->setBackgroundRole(QPalette::Window);
    // Links go where the pane goes: a remote one brings up the web engine.
    m_light->setOpenLinks(false);
    connect(m_light, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &url) { navigate(url); });
    m_stack->addWidget(m_light);
}

bool LazyWebPane::isLocal(const QUrl &url) {
    return url.isLocalFile() || url.scheme() == QLatin1String("about");
}

void LazyWebPane::navigate(const QUrl &url) {
    if (isLocal(url)) {
        if (url.isLocalFile())
            m_light->setSource(url, QTextDocument::HtmlResource);
        else
            m_light->clear();
        m_stack->setCurrentWidget(m_light);
        return;
    }
    if (!m_engine.widget) {
        m_engine = m_makeEngine(this);
        m_stack->addWidget(m_engine.widget);
    }
    m_engine.pane->navigate(url);
    m_stack->setCurrentWidget(m_engine.widget);
}

WebPaneFactory LazyWebPane::factory(WebPaneFactory engine) {
    return [engine = std::move(engine)](QWidget *parent) {
        auto *pane = new LazyWebPane(engine, parent);
        return WebPaneWidget{pane, pane};
    };
}

} // namespace ledger
