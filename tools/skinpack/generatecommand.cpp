#include "generatecommand.h"

#include "bmpfile.h"
#include "common/atomicwrite.h"
#include "preview.h"
#include "skinlayout.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace skinpack {

namespace {

bool writeFile(const QString &path, const QByteArray &bytes, QTextStream &err) {
    QString error;
    if (!common::writeFileAtomically(path, bytes, &error)) {
        err << "skinpack: cannot write " << path << ": " << error << "\n";
        return false;
    }
    return true;
}

bool writeImages(const QString &dir, const QList<NamedImage> &images, QTextStream &err) {
    if (!QDir().mkpath(dir)) {
        err << "skinpack: cannot create " << dir << "\n";
        return false;
    }
    for (const NamedImage &entry : images)
        if (!writeFile(QDir(dir).filePath(entry.name), toBmp24(entry.image), err))
            return false;
    return true;
}

} // namespace

int runGenerate(const QStringList &args) {
    QTextStream err(stderr);
    QCommandLineParser parser;
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Package to write."),
                                       QStringLiteral("FILE.skn"));
    const QCommandLineOption dumpOption(QStringLiteral("dump-dir"),
                                        QStringLiteral("Also write the loose INI and images."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption previewOption(QStringLiteral("preview"),
                                           QStringLiteral("Also draw a preview picture."),
                                           QStringLiteral("FILE.png"));
    const QCommandLineOption resourceOption(QStringLiteral("resource-dir"),
                                            QStringLiteral("Also write the program's images."),
                                            QStringLiteral("DIR"));
    parser.addOptions({outOption, dumpOption, previewOption, resourceOption});
    if (!parser.parse(QStringList{QStringLiteral("skinpack generate")} + args)) {
        err << "skinpack generate: " << parser.errorText() << "\n";
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << "skinpack generate: unexpected argument " << parser.positionalArguments().first()
            << "\n";
        return 2;
    }
    const QString out = parser.value(outOption);
    const QString dumpDir = parser.value(dumpOption);
    const QString previewPath = parser.value(previewOption);
    const QString resourceDir = parser.value(resourceOption);
    if (out.isEmpty()) {
        err << "skinpack generate: --out FILE.skn is required\n";
        return 2;
    }

    const SkinContent content = BuildSkin(Theme::calmBlue());
    const QByteArray package = PackSkin(content);
    if (package.isEmpty()) {
        err << "skinpack generate: the package could not be built\n";
        return 1;
    }
    const QString outDir = QFileInfo(out).absolutePath();
    if (!QDir().mkpath(outDir) || !writeFile(out, package, err))
        return 1;
    if (!dumpDir.isEmpty()) {
        if (!writeImages(dumpDir, content.images, err))
            return 1;
        if (!writeFile(QDir(dumpDir).filePath(QString::fromLatin1(kIniName)), content.ini, err))
            return 1;
    }
    if (!resourceDir.isEmpty() && !writeImages(resourceDir, content.resources, err))
        return 1;
    if (!previewPath.isEmpty()) {
        const QImage picture = RenderPreview(content);
        if (picture.isNull() || !picture.save(previewPath, "PNG")) {
            err << "skinpack generate: cannot write the preview " << previewPath << "\n";
            return 1;
        }
    }
    return 0;
}

} // namespace skinpack
