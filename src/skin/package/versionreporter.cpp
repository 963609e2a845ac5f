#include "skin/package/versionreporter.h"

#include <QtDebug>

namespace skin {

namespace {

VersionReporter &Installed() {
    static VersionReporter reporter;
    return reporter;
}

} // namespace

QString UnknownVersionMessage() {
    return QStringLiteral("此文件版本不同\n请升级新版本 !");
}

VersionReporter SetVersionReporter(VersionReporter reporter) {
    VersionReporter previous = std::move(Installed());
    Installed() = std::move(reporter);
    return previous;
}

void ReportVersionMessage(const QString &message) {
    if (const VersionReporter &reporter = Installed()) {
        reporter(message);
        return;
    }
    qWarning().noquote() << message;
}

} // namespace skin
