#include "ledger/app/programskin.h"

#include "skin/data/tskindata.h"
#include "skinresource.h"

#include <QFile>
#include <QWidget>

namespace ledger {

namespace {

const QByteArray &programSkinPackage() {
    static const QByteArray package = [] {
        kexboraInitSkinResource();
        QFile file(QStringLiteral(":/skins/kexbora.skn"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return package;
}

} // namespace

skin::TSkinData *attachProgramSkin(QWidget *window) {
    using skin::TSkinData;
    auto *data = new TSkinData(window);
    data->setObjectName(QStringLiteral("SkinData1"));
    data->SetActive(true);
    data->SetDisableTag(kDisableTag);
    data->SetSkinFormtype(TSkinData::sfMainform);
    data->SetOptions(TSkinData::xoPreview | TSkinData::xoToolbarBK);
    TSkinData::TSkinControlTypes controls =
        TSkinData::TSkinControlTypes::fromInt((TSkinData::xcFastReport << 1) - 1); // every member
    controls.setFlag(TSkinData::xcMenuItem, false);
    controls.setFlag(TSkinData::xcFastReport, false);
    data->SetSkinControls(controls);
    data->SetSkinStream(programSkinPackage());
    data->Loaded();
    return data;
}

} // namespace ledger
