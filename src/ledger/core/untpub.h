#pragma once

#include <QDateTime>
#include <QString>
#include <QVariantList>
#include <functional>

class QComboBox;
class QObject;

namespace ledger {

class WebPane;

// Statements run on frmDM's connection; every value is bound.

// Runs one statement; false on any failure (never throws, shows nothing).
bool execSQL(const QString &sql, const QVariantList &params = {}, int *changedRows = nullptr);
// Fills the combo from one column; the combo's edit text is kept and no change signal fires.
// Throws DbError.
void fillItemsFromQuery(const QString &sql, const QVariantList &params, const QString &column,
                        QComboBox *combo, bool clearFirst, bool emptyEntry);
// Table and column are program constants; the value is bound. Throws DbError.
bool recordExists(const QString &table, const QString &column, const QString &value);
bool queryHasRows(const QString &sql, const QVariantList &params = {});

// Text and number helpers.
qint64 hexToInt(const QString &text); // throws std::invalid_argument on bad text
QString getExeVersion();
// "a.b.c.d" from a dotted version of one to four numbers; "0.0.0.0" when there is none.
QString versionFromText(const QString &projectVersion);
QDateTime parseDateTime(const QString &text); // now on bad text
bool isFloat(const QString &text);            // strict: no "nan", "inf" or empty
QString removeAll(const QString &sub, const QString &text);
bool copyFileByStream(const QString &source, const QString &destination); // atomic replace

// The usual information box (caption "提示").
void showInfo(const QString &text);

// Web address tests, asynchronous with a time-out: done(true) when the address answers
// 200 or 302 (GET), else when a HEAD request completes without error.
void urlReachable(const QString &url, QObject *context, std::function<void(bool)> done,
                  int timeoutMs = 5000);
// Navigates to url when it is reachable, else to the local fallback file.
void navigateWithFallback(WebPane *pane, const QString &url, const QString &fallbackFile,
                          QObject *context);

} // namespace ledger
