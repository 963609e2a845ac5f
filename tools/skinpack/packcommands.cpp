#include "packcommands.h"

#include "common/atomicwrite.h"
#include "skin/package/packagewriter.h"
#include "skin/package/skinreader.h"
#include "skin/package/versionreporter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace skinpack {

namespace {

// Routes the reader's version message to the command's error output while a command runs.
class ScopedVersionReporter {
public:
    explicit ScopedVersionReporter(QTextStream &err)
        : previous(skin::SetVersionReporter([&err](const QString &m) { err << m << "\n"; })) {}
    ~ScopedVersionReporter() { skin::SetVersionReporter(std::move(previous)); }

private:
    skin::VersionReporter previous;
};

bool LoadPackageFile(const QString &path, skin::TSkinReader &reader, QTextStream &err) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "skinpack: cannot open " << path << ": " << file.errorString() << "\n";
        return false;
    }
    const QByteArray bytes = file.readAll();
    ScopedVersionReporter reporter(err);
    if (!reader.LoadPackage(QByteArrayView(bytes))) {
        err << "skinpack: " << path << ": " << reader.LastError() << "\n";
        return false;
    }
    return true;
}

// An entry name becomes a file name only when it cannot leave the target folder.
bool IsSafeFileName(const QString &name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar ch : name) {
        if (ch.unicode() < 0x20 || ch == u'/' || ch == u'\\' || ch == u':')
            return false;
    }
    return true;
}

bool IsAscii(const QString &name) {
    for (QChar ch : name) {
        if (ch.unicode() > 0x7E || ch.unicode() < 0x20)
            return false;
    }
    return true;
}

// The arguments of a sub-command: exactly the named positional arguments and no option.
// Writes the usage line and returns false otherwise.
bool ParseArguments(const QStringList &args, const char *usage, qsizetype count,
                    QStringList &values, QTextStream &err) {
    QCommandLineParser parser;
    if (!parser.parse(QStringList{QStringLiteral("skinpack")} + args) ||
        parser.positionalArguments().size() != count) {
        err << "usage: skinpack " << usage << "\n";
        return false;
    }
    values = parser.positionalArguments();
    return true;
}

// Checks the arguments and loads the package named first: 0 when loaded, otherwise the exit
// code of the command.
int LoadCommandPackage(const QStringList &args, qsizetype argc, const char *usage,
                       skin::TSkinReader &reader, QStringList &values, QTextStream &err) {
    if (!ParseArguments(args, usage, argc, values, err))
        return 2;
    return LoadPackageFile(values[0], reader, err) ? 0 : 1;
}

} // namespace

int runList(const QStringList &args, QTextStream &out, QTextStream &err) {
    skin::TSkinReader reader;
    QStringList values;
    if (const int code = LoadCommandPackage(args, 1, "list FILE.skn", reader, values, err))
        return code;
    out << "version " << reader.Version() << "\n";
    for (int i = 0; i < reader.Count(); ++i)
        out << reader.Names()[i] << "\t" << reader.Size(i) << "\n";
    return 0;
}

int runUnpack(const QStringList &args, QTextStream &out, QTextStream &err) {
    skin::TSkinReader reader;
    QStringList values;
    if (const int code = LoadCommandPackage(args, 2, "unpack FILE.skn DIR", reader, values, err))
        return code;
    for (const QString &name : reader.Names()) {
        if (!IsSafeFileName(name)) {
            err << "skinpack: refusing entry name \"" << name << "\"\n";
            return 1;
        }
    }
    QDir dir(values[1]);
    if (!dir.mkpath(QStringLiteral("."))) {
        err << "skinpack: cannot create " << values[1] << "\n";
        return 1;
    }
    QSet<QString> written;
    for (int i = 0; i < reader.Count(); ++i) {
        const QString &name = reader.Names()[i];
        if (written.contains(name)) {
            // The reader only ever serves the first entry of a name.
            err << "skinpack: skipping duplicate entry " << name << "\n";
            continue;
        }
        if (!common::writeFileAtomically(dir.filePath(name), reader.EntryData(i))) {
            err << "skinpack: cannot write " << dir.filePath(name) << "\n";
            return 1;
        }
        written.insert(name);
        out << name << "\t" << reader.Size(i) << "\n";
    }
    return 0;
}

int runPack(const QStringList &args, QTextStream &out, QTextStream &err) {
    QStringList values;
    if (!ParseArguments(args, "pack DIR FILE.skn", 2, values, err))
        return 2;
    const QDir dir(values[0]);
    if (!dir.exists()) {
        err << "skinpack: no folder " << values[0] << "\n";
        return 1;
    }
    const QFileInfoList files =
        dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    QFileInfoList inis;
    QFileInfoList bitmaps;
    for (const QFileInfo &fi : files) {
        const QString suffix = fi.suffix().toLower();
        if (suffix == QLatin1String("ini"))
            inis.append(fi);
        else if (suffix == QLatin1String("bmp"))
            bitmaps.append(fi);
        else
            err << "skinpack: ignoring " << fi.fileName() << "\n";
    }
    if (inis.size() != 1) {
        err << "skinpack: " << values[0] << " must hold exactly one .ini file (found "
            << inis.size() << ")\n";
        return 1;
    }

    skin::TSkinPackageWriter writer;
    QSet<QString> names;
    for (const QFileInfo &fi : inis + bitmaps) {
        const QString name = fi.fileName();
        const QString lower = name.toLower();
        if (!IsAscii(name) || names.contains(lower)) {
            err << "skinpack: unusable entry name \"" << name << "\"\n";
            return 1;
        }
        names.insert(lower);
        QFile file(fi.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            err << "skinpack: cannot read " << fi.filePath() << "\n";
            return 1;
        }
        writer.AddEntry(name, file.readAll());
    }
    const QByteArray packed = writer.Packed(20000);
    if (packed.isEmpty()) {
        err << "skinpack: the package would exceed the size limit\n";
        return 1;
    }
    if (!common::writeFileAtomically(values[1], packed)) {
        err << "skinpack: cannot write " << values[1] << "\n";
        return 1;
    }
    out << values[1] << ": " << writer.Count() << " entries, " << packed.size() << " bytes\n";
    return 0;
}

int runList(const QStringList &args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runList(args, out, err);
}

int runUnpack(const QStringList &args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runUnpack(args, out, err);
}

int runPack(const QStringList &args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runPack(args, out, err);
}

} // namespace skinpack
