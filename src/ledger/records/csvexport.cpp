#include "ledger/records/csvexport.h"

#include "common/atomicwrite.h"
#include "common/gbktext.h"
#include "ledger/core/dbguard.h"
#include "ledger/core/prompter.h"
#include "ledger/core/texttools.h"
#include "ledger/datamodule/tfrmdm.h"

#include <QAbstractItemModel>
#include <QFileInfo>
#include <QRegularExpression>

namespace ledger {

namespace {

// A number as the lists show it, thousands separators included ("-1,234.50").
bool isFormattedNumber(const QString &value) {
    static const QRegularExpression number(
        QStringLiteral("^-?(\\d{1,3}(,\\d{3})+|\\d+)(\\.\\d+)?$"));
    return number.match(value).hasMatch();
}

// Amounts lose their thousands separators, so that spreadsheets read them as numbers; any other
// value holding a separator, a quote or a line break is quoted with its quotes doubled.
void appendValue(QString &line, const QString &raw) {
    QString value = isFormattedNumber(raw) ? removeAll(QStringLiteral(","), raw) : raw;
    if (value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('\r')) ||
        value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('"'))) {
        value.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        value = QLatin1Char('"') + value + QLatin1Char('"');
    }
    line += value;
    line += QLatin1Char(',');
}

} // namespace

QByteArray listCsvText(const QAbstractItemModel &model) {
    const int columns = model.columnCount();
    const int rows = model.rowCount();
    QString text;
    for (int c = 0; c < columns; ++c) {
        text += model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        text += QLatin1Char(',');
    }
    text += QStringLiteral("\r\n");
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            appendValue(text, model.data(model.index(r, c), Qt::DisplayRole).toString());
        text += QStringLiteral("\r\n");
    }
    return common::toGbkText(text);
}

bool listViewToCsv(const QAbstractItemModel &model, const QString &fileName, QString *error) {
    return common::writeFileAtomically(fileName, listCsvText(model), error);
}

QString csvFileName(const QString &chosen) {
    if (chosen.contains(QStringLiteral(".csv"), Qt::CaseSensitive))
        return chosen;
    return chosen + QStringLiteral(".csv");
}

bool exportListView(const QAbstractItemModel &model) {
    Prompter &prompter = Prompter::instance();
    const QString chosen = prompter.saveFileName(QStringLiteral("导出电子表格"), QString(),
                                                 QStringLiteral("Excel files(*.csv)"));
    if (chosen.isEmpty())
        return false;
    const QString fileName = csvFileName(chosen);
    // The old file is only replaced once the new one is complete.
    if (QFileInfo::exists(fileName) &&
        !prompter.confirm(QStringLiteral("该文件已经存在，是否替换？"),
                          QStringLiteral("覆盖确认...")))
        return false;
    // The rows of a ledger another instance replaced are not written out.
    if (!guardDb("csv export", requireLedgerInPlace))
        return false;
    QString error;
    if (!listViewToCsv(model, fileName, &error)) {
        qWarning("csv export: %s", qPrintable(error));
        showInfo(QStringLiteral("保存失败。"));
        return false;
    }
    showInfo(QStringLiteral("保存成功。"));
    return true;
}

} // namespace ledger
