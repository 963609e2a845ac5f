#pragma once

#include "ledger/tools/updatechecker.h"

#include <QString>
#include <QStringList>

namespace ledger {

// Addresses on the developer's web server (host kHomeHost unless given).
QString forumAddress(const QString &host);    // help and feedback section
QString downloadAddress(const QString &host); // the download page
// Opens an address in the desktop's default web browser; when nothing could open it, says so
// (noBrowserText) and returns false.
bool openInBrowser(const QString &address);
QString noBrowserText();
// The feedback question; on OK the forum section opens.
void askFeedback(const QString &host);
// Tells the result of an update check; when a newer version exists, offers the download page.
void announceUpdate(UpdateChecker::Result result, const QString &host);

// The calculator programs looked for on PATH, in order.
const QStringList &calculatorPrograms();
// Starts the first calculator program found, detached. Tells the user when none is installed
// or it would not start; true when it started.
bool startCalculator();

} // namespace ledger
