#pragma once

#include <QString>
#include <functional>

namespace skin {

// Sink of the message shown when a skin package has a version this reader does not know.
// The default writes a warning to the log; the window layer installs a message box, tests a
// recorder.
using VersionReporter = std::function<void(const QString &message)>;

// The message text: "此文件版本不同", a line break, "请升级新版本 !".
QString UnknownVersionMessage();

// Installs a reporter and returns the previous one; an empty function restores the default.
VersionReporter SetVersionReporter(VersionReporter reporter);
void ReportVersionMessage(const QString &message);

} // namespace skin
