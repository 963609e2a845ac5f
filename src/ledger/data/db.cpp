#include "ledger/data/db.h"

#include "ledger/data/numbertext.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace ledger {

namespace {

QString lastError(sqlite3 *db) {
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("no connection");
}

DbError replacedError(const QString &context, const QString &consequence) {
    return DbError(context +
                       QStringLiteral(": the database file was replaced or removed since "
                                      "it was opened; ") +
                       consequence,
                   DbError::Code::Replaced, SQLITE_READONLY_DBMOVED);
}

[[noreturn]] void fail(sqlite3 *db, int code, const QString &context) {
    // SQLite refuses to write into a file whose name now belongs to another file (a restore
    // in another instance swapped the ledger): what was written would be lost.
    if (sqlite3_extended_errcode(db) == SQLITE_READONLY_DBMOVED)
        throw replacedError(context, QStringLiteral("nothing was written"));
    throw DbError(context + QStringLiteral(": ") + lastError(db), DbError::Code::Engine, code);
}

void setError(QString *error, const QString &text) {
    if (error)
        *error = text;
}

// Opens the file with the given flags and keys the connection; nullptr on failure.
sqlite3 *openKeyed(const QString &path, int flags, const QByteArray &key, QString *error) {
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_key(db, key.constData(), int(key.size()));
    if (rc != SQLITE_OK) {
        setError(error, lastError(db));
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

} // namespace

DbError::DbError(const QString &message, Code code, int sqliteCode)
    : std::runtime_error(message.toStdString()), m_code(code), m_sqliteCode(sqliteCode) {}

// ---------------------------------------------------------------------------------------------
// Db

Db::~Db() {
    close();
}

bool Db::open(const QString &path, const QByteArray &key, QString *error, const Check &check) {
    close();
    const QFileInfo info(path);
    if (!info.isFile()) {
        setError(error, (info.exists() ? QStringLiteral("not a file: ")
                                       : QStringLiteral("database file not found: ")) +
                            path);
        return false;
    }
    sqlite3 *db = openKeyed(path, SQLITE_OPEN_READWRITE, key, error);
    if (!db)
        return false;
    sqlite3_busy_timeout(db, 2000);
    // A 64 MiB page cache: every page read from an encrypted file is decrypted, so re-reading
    // the same pages for long period lists is what the cache saves.
    sqlite3_exec(db, "PRAGMA cache_size=-65536", nullptr, nullptr, nullptr);
    m_db = db;
    m_path = path;
    m_key = key;
    m_check = check;
    // A wrong key or a file that is no database shows only on the first read.
    try {
        Statement probe(*this, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        probe.next();
        if (check)
            check(*this);
    } catch (const DbError &e) {
        setError(error, QString::fromStdString(e.what()));
        close();
        return false;
    }
    return true;
}

bool Db::create(const QString &path, const QByteArray &key, QString *error) {
    close();
    if (QFileInfo::exists(path)) {
        setError(error, QStringLiteral("file already exists: ") + path);
        return false;
    }
    sqlite3 *db = openKeyed(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, key, error);
    if (!db)
        return false;
    m_db = db;
    m_path = path;
    m_key = key;
    m_check = {};
    return true;
}

void Db::close() {
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

bool Db::reopen(QString *error) {
    if (m_path.isEmpty()) {
        setError(error, QStringLiteral("no database was opened before"));
        return false;
    }
    const QString path = m_path;
    const QByteArray key = m_key;
    const Check check = m_check;
    return open(path, key, error, check);
}

void Db::requireFileInPlace() const {
    int moved = 0;
    if (m_db && sqlite3_file_control(m_db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
        moved)
        throw replacedError(m_path, QStringLiteral("it is not read any more"));
}

void Db::removeFile(const QString &path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

int Db::exec(const QString &sql, const QVariantList &params) {
    Statement statement(*this, sql, params);
    const int before = sqlite3_total_changes(m_db);
    while (statement.next()) {
    }
    return sqlite3_total_changes(m_db) - before;
}

void Db::execScript(const QString &sql) {
    if (!m_db)
        throw DbError(QStringLiteral("no connection"), DbError::Code::NoConnection);
    char *message = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const QString text = message ? QString::fromUtf8(message) : lastError(m_db);
        sqlite3_free(message);
        throw DbError(QStringLiteral("script failed: ") + text, DbError::Code::Engine, rc);
    }
}

qint64 Db::lastInsertId() const {
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

// ---------------------------------------------------------------------------------------------
// Statement

Statement::Statement(Db &db, const QString &sql, const QVariantList &params) : m_db(db.handle()) {
    if (!m_db)
        throw DbError(QStringLiteral("no connection"), DbError::Code::NoConnection);
    const QByteArray text = sql.toUtf8();
    const char *tail = nullptr;
    const int rc = sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK)
        fail(m_db, rc, QStringLiteral("prepare failed"));
    if (!m_stmt)
        throw DbError(QStringLiteral("empty statement"), DbError::Code::BadStatement);
    bindAll(params);
}

Statement::~Statement() {
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement &&other) noexcept : m_stmt(other.m_stmt), m_db(other.m_db) {
    other.m_stmt = nullptr;
}

void Statement::bind(int index, const QVariant &value) {
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                     SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QDate:
            rc = sqlite3_bind_text(
                m_stmt, index,
                value.toDate().toString(QStringLiteral("yyyy-MM-dd")).toUtf8().constData(), -1,
                SQLITE_TRANSIENT);
            break;
        case QMetaType::QDateTime:
            rc = sqlite3_bind_text(m_stmt, index,
                                   value.toDateTime()
                                       .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                       .toUtf8()
                                       .constData(),
                                   -1, SQLITE_TRANSIENT);
            break;
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, text.constData(), sqlite3_uint64(text.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(m_db, rc, QStringLiteral("bind %1 failed").arg(index));
}

void Statement::bindAll(const QVariantList &params) {
    const int expected = sqlite3_bind_parameter_count(m_stmt);
    if (params.size() != expected)
        throw DbError(
            QStringLiteral("statement takes %1 values, %2 given").arg(expected).arg(params.size()),
            DbError::Code::BadStatement);
    for (int i = 0; i < params.size(); ++i)
        bind(i + 1, params.at(i));
}

bool Statement::next() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // sqlite3_step reports the generic code; reset gives the specific one.
    const int code = sqlite3_reset(m_stmt);
    fail(m_db, code != SQLITE_OK ? code : rc, QStringLiteral("step failed"));
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

int Statement::columnIndex(const QString &name) const {
    const int count = columnCount();
    for (int i = 0; i < count; ++i) {
        if (columnName(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int Statement::requireColumn(const QString &name) const {
    const int index = columnIndex(name);
    if (index < 0)
        throw DbError(QStringLiteral("no column named ") + name, DbError::Code::BadStatement);
    return index;
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

QVariant Statement::value(int column) const {
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_BLOB: {
        const void *data = sqlite3_column_blob(m_stmt, column);
        const int size = sqlite3_column_bytes(m_stmt, column);
        return QVariant(QByteArray(static_cast<const char *>(data), size));
    }
    case SQLITE_NULL:
        return QVariant();
    default:
        return QVariant(text(column));
    }
}

QString Statement::text(int column) const {
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_NULL:
        return QString();
    case SQLITE_FLOAT:
        return numberText(sqlite3_column_double(m_stmt, column));
    case SQLITE_INTEGER:
        return QString::number(qint64(sqlite3_column_int64(m_stmt, column)));
    default: {
        const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
        const int size = sqlite3_column_bytes(m_stmt, column);
        return QString::fromUtf8(data, size);
    }
    }
}

double Statement::number(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

qint64 Statement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

QString Statement::text(const QString &name) const {
    return text(requireColumn(name));
}

double Statement::number(const QString &name) const {
    return number(requireColumn(name));
}

qint64 Statement::integer(const QString &name) const {
    return integer(requireColumn(name));
}

QStringList firstColumnTexts(Db &db, const QString &sql, const QVariantList &params) {
    Statement query(db, sql, params);
    QStringList texts;
    while (query.next())
        texts.append(query.text(0));
    return texts;
}

// ---------------------------------------------------------------------------------------------
// Transaction

Transaction::Transaction(Db &db) : m_db(db) {
    m_db.exec(QStringLiteral("BEGIN"));
}

Transaction::~Transaction() {
    if (!m_done && m_db.isOpen()) {
        try {
            m_db.exec(QStringLiteral("ROLLBACK"));
        } catch (const DbError &) {
            // Nothing to undo when the failed statement already ended the transaction.
        }
    }
}

void Transaction::commit() {
    m_db.exec(QStringLiteral("COMMIT"));
    m_done = true;
}

} // namespace ledger
