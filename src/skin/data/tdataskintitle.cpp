#include "skin/data/tdataskintitle.h"

namespace skin {

Qt::Alignment TitleAlignment(int value) {
    switch (value) {
    case 0:
        return Qt::AlignLeft;
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return {};
    }
}

TDataSkinTitle::TDataSkinTitle(const QString &name) : TDataSkinObject(name) {}

TDataSkinTitle::~TDataSkinTitle() = default;

} // namespace skin
