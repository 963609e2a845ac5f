#include "ledger/tools/externaltools.h"

#include "ledger/core/prompter.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace ledger {

QString forumAddress(const QString &host) {
    return host + QStringLiteral("/forum.php?mod=forumdisplay&fid=48");
}

QString downloadAddress(const QString &host) {
    return host + QStringLiteral("/forum.php?mod=viewthread&tid=1325&extra=page%3D1");
}

bool openInBrowser(const QString &address) {
    // fromEncoded keeps "%3D" as it stands.
    if (QDesktopServices::openUrl(QUrl::fromEncoded(address.toLatin1())))
        return true;
    showInfo(noBrowserText());
    return false;
}

QString noBrowserText() {
    return QStringLiteral("无法启动网页浏览器，请先安装一个网页浏览器。");
}

void askFeedback(const QString &host) {
    const QString question = QStringLiteral("有问题请联系我(kexbora@users.example)！\n"
                                            "是否进入专题讨论板块？");
    if (Prompter::instance().confirm(question, QStringLiteral("提示")))
        openInBrowser(forumAddress(host));
}

void announceUpdate(UpdateChecker::Result result, const QString &host) {
    switch (result) {
    case UpdateChecker::Result::Newer:
        if (Prompter::instance().confirm(QStringLiteral("发现新版本,是否打开下载页面？"),
                                         QStringLiteral("提示")))
            openInBrowser(downloadAddress(host));
        break;
    case UpdateChecker::Result::Current:
        showInfo(QStringLiteral("您当前使用的已经是最新版本。"));
        break;
    case UpdateChecker::Result::Failed:
        showInfo(QStringLiteral("检查更新失败，请稍后再试。"));
        break;
    }
}

const QStringList &calculatorPrograms() {
#ifdef Q_OS_WIN
    static const QStringList programs = {QStringLiteral("calc.exe")};
#else
    static const QStringList programs = {
        QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
        QStringLiteral("mate-calc"),        QStringLiteral("galculator"),
        QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
#endif
    return programs;
}

bool startCalculator() {
    for (const QString &name : calculatorPrograms()) {
        const QString program = QStandardPaths::findExecutable(name);
        if (program.isEmpty())
            continue;
        if (QProcess::startDetached(program, {}))
            return true;
        showInfo(QStringLiteral("计算器程序启动失败。"));
        return false;
    }
    showInfo(QStringLiteral("没有找到计算器程序，请先安装一个（例如 gnome-calculator）。"));
    return false;
}

} // namespace ledger
