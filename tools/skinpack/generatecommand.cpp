#include "generatecommand.h"

#include "bmpfile.h"
#include "common/atomicwrite.h"
#include "preview.h"
#include "skinlayout.h"

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
    QString out, dumpDir, previewPath, resourceDir;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        QString *target = nullptr;
        if (arg == QLatin1String("--out"))
            target = &out;
        else if (arg == QLatin1String("--dump-dir"))
            target = &dumpDir;
        else if (arg == QLatin1String("--preview"))
            target = &previewPath;
        else if (arg == QLatin1String("--resource-dir"))
            target = &resourceDir;
        if (!target || i + 1 >= args.size()) {
            err << "skinpack generate: unexpected argument " << arg << "\n";
            return 2;
        }
        *target = args.at(++i);
    }
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
