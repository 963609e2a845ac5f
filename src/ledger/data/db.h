#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace ledger {

// A failed database call. what() carries the message (SQLite's own where SQLite failed).
class DbError : public std::runtime_error {
public:
    enum class Code {
        Engine,        // SQLite refused the call; sqliteCode() tells its result code
        NoConnection,  // no ledger is open
        NotALedger,    // the file opened but lacks ledger tables or columns
        BadStatement,  // values, columns or names that do not fit the statement
        MissingSchema, // the ledger's table definitions are not in the program
        RecordMissing, // the record to change or delete does not exist (any more)
        File,          // a database file could not be read, written or renamed, or is refused
        LedgerLost,    // a failed restore could not put the previous ledger back or open it
        Replaced,      // the file was replaced or removed since it was opened (another instance
                       // restored a backup): nothing was written
    };

    DbError(const QString &message, Code code, int sqliteCode = 0);
    Code code() const { return m_code; }
    int sqliteCode() const { return m_sqliteCode; }

private:
    Code m_code;
    int m_sqliteCode;
};

class Statement;

// One SQLCipher connection. open() never creates a file, keys the connection and probes it,
// so a wrong key or a file that is not a ledger fails here and not at the first query.
class Db {
public:
    Db() = default;
    ~Db();
    Db(const Db &) = delete;
    Db &operator=(const Db &) = delete;

    // What an opened file must pass to stay open: throws DbError when it does not.
    using Check = std::function<void(Db &)>;

    // Opens an existing file; when given, check runs on it (and again at each reopen).
    bool open(const QString &path, const QByteArray &key, QString *error = nullptr,
              const Check &check = {});
    // Creates a new keyed file (the template maker and tests).
    bool create(const QString &path, const QByteArray &key, QString *error = nullptr);
    void close();
    bool reopen(QString *error = nullptr); // same path, key and check as the last open
    // Removes a database file and the journal SQLite may have left beside it.
    static void removeFile(const QString &path);
    bool isOpen() const { return m_db != nullptr; }
    // Throws DbError (Replaced) when the open file's name now belongs to another file or to
    // none (another instance restored a backup over it): what this connection reads is no
    // longer the file of that name. One stat of the path; nothing when no file is open.
    void requireFileInPlace() const;
    QString path() const { return m_path; }
    QByteArray key() const { return m_key; }
    sqlite3 *handle() const { return m_db; }

    // Runs one statement with its values bound in order; returns the number of rows it changed.
    int exec(const QString &sql, const QVariantList &params = {});
    // Runs several statements separated by ';' (schema scripts); no parameters.
    void execScript(const QString &sql);
    qint64 lastInsertId() const;

private:
    sqlite3 *m_db = nullptr;
    QString m_path;
    QByteArray m_key;
    Check m_check;
};

// A prepared statement, finalised when it goes out of scope.
class Statement {
public:
    Statement(Db &db, const QString &sql, const QVariantList &params = {});
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    Statement(Statement &&other) noexcept;

    void bind(int index, const QVariant &value); // 1-based; null QVariant binds NULL
    void bindAll(const QVariantList &params);
    bool next(); // steps to the next row; false at the end; throws DbError
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    int columnIndex(const QString &name) const; // case-insensitive; -1 when absent
    bool isNull(int column) const;
    QVariant value(int column) const;
    QString text(int column) const; // REAL columns as numberText(v)
    double number(int column) const;
    qint64 integer(int column) const;
    QString text(const QString &name) const;
    double number(const QString &name) const;
    qint64 integer(const QString &name) const;

private:
    int requireColumn(const QString &name) const;
    sqlite3_stmt *m_stmt = nullptr;
    sqlite3 *m_db = nullptr;
};

// The first column of every row of a query, as text. Throws DbError.
QStringList firstColumnTexts(Db &db, const QString &sql, const QVariantList &params = {});

// Begins on construction, rolls back on destruction unless committed.
class Transaction {
public:
    explicit Transaction(Db &db);
    ~Transaction();
    void commit();

private:
    Db &m_db;
    bool m_done = false;
};

} // namespace ledger
