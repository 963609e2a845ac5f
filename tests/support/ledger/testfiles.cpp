#include "support/ledger/testfiles.h"

#include <QFile>
#include <QList>
#include <csignal>

namespace ledger::test {

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool waitsForLock(qint64 pid) {
    // "1: -> FLOCK  ADVISORY  WRITE 2345 fe:00:1234 0 EOF": a waiter, then its process.
    for (const QByteArray &line : readFile(QStringLiteral("/proc/locks")).split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 5 && fields[1] == "->" && fields[2] == "FLOCK" &&
            fields[5].toLongLong() == pid)
            return true;
    }
    return false;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_oldHandler);
}

} // namespace ledger::test
