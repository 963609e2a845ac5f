#include "skin/controls/vendorclass.h"

#include <QMetaObject>
#include <QObject>

namespace skin {

QString VendorClassName(const QObject *object) {
    if (!object)
        return QString();
    return QString::fromLatin1(object->metaObject()->className())
        .section(QLatin1String("::"), -1)
        .toUpper();
}

} // namespace skin
