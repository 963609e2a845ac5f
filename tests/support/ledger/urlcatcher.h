#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace ledger::test {

// Catches what would open in the desktop's web browser while it lives.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QList<QUrl> opened;
    // The opened addresses as sent, percent escapes kept.
    QStringList addresses() const {
        QStringList result;
        for (const QUrl &url : opened)
            result << QString::fromLatin1(url.toEncoded());
        return result;
    }

public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace ledger::test
