#include "skin/controls/propbyname.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QMetaProperty>
#include <QObject>
#include <QPixmap>
#include <QVariant>

namespace skin {

namespace {

// A property found by name: a static one (index >= 0) or a dynamic one (its exact name).
struct FoundProperty {
    QMetaProperty meta;
    QByteArray dynamicName;
    bool found = false;
};

// The lower-cased names of a class's static properties by index, read once per class (the
// skins run on the GUI thread only).
const QList<QByteArray> &LowerPropertyNames(const QMetaObject *mo) {
    static QHash<const QMetaObject *, QList<QByteArray>> known;
    auto found = known.find(mo);
    if (found == known.end()) {
        QList<QByteArray> names;
        for (int i = 0; i < mo->propertyCount(); ++i)
            names.append(QByteArray(mo->property(i).name()).toLower());
        found = known.insert(mo, names);
    }
    return *found;
}

FoundProperty FindProperty(const QObject *obj, const QString &name) {
    FoundProperty p;
    if (!obj || name.isEmpty())
        return p;
    const QMetaObject *mo = obj->metaObject();
    if (const qsizetype i = LowerPropertyNames(mo).indexOf(name.toLatin1().toLower()); i >= 0) {
        p.meta = mo->property(int(i));
        p.found = true;
        return p;
    }
    for (const QByteArray &dynamic : obj->dynamicPropertyNames())
        if (name.compare(QString::fromLatin1(dynamic), Qt::CaseInsensitive) == 0) {
            p.dynamicName = dynamic;
            p.found = true;
            return p;
        }
    return p;
}

QVariant ReadProperty(const QObject *obj, const FoundProperty &p) {
    if (!p.found)
        return QVariant();
    return p.meta.isValid() ? p.meta.read(obj) : obj->property(p.dynamicName.constData());
}

bool IsIntegerType(int typeId) {
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

// An integer read from a property that is no enumeration.
bool IsIntegerProperty(const FoundProperty &p, const QVariant &v) {
    return v.isValid() && IsIntegerType(v.metaType().id()) &&
           !(p.meta.isValid() && p.meta.isEnumType());
}

bool IsTextType(int typeId) {
    return typeId == QMetaType::QString || typeId == QMetaType::QByteArray;
}

} // namespace

int GetIntPropByName(const QObject *obj, const QString &name, int missing) {
    const FoundProperty p = FindProperty(obj, name);
    const QVariant v = ReadProperty(obj, p);
    return IsIntegerProperty(p, v) ? v.toInt() : missing;
}

bool HasIntPropByName(const QObject *obj, const QString &name) {
    const FoundProperty p = FindProperty(obj, name);
    return IsIntegerProperty(p, ReadProperty(obj, p));
}

QString GetEnumPropByName(const QObject *obj, const QString &name) {
    const FoundProperty p = FindProperty(obj, name);
    const QVariant v = ReadProperty(obj, p);
    if (!v.isValid())
        return QString();
    if (v.metaType().id() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (p.meta.isValid() && p.meta.isEnumType()) {
        const QMetaEnum e = p.meta.enumerator();
        const int value = v.toInt();
        return QString::fromLatin1(e.isFlag() ? e.valueToKeys(value)
                                              : QByteArray(e.valueToKey(value)));
    }
    return QString();
}

QString GetStrPropByName(const QObject *obj, const QString &name) {
    const QVariant v = ReadProperty(obj, FindProperty(obj, name));
    if (!v.isValid() || !IsTextType(v.metaType().id()))
        return QString();
    return v.toString();
}

bool SetPropByName(QObject *obj, const QString &name, const QString &text) {
    const FoundProperty p = FindProperty(obj, name);
    if (!p.found)
        return false;
    const QVariant current = ReadProperty(obj, p);
    QVariant value;
    if (p.meta.isValid() && p.meta.isEnumType()) {
        const QMetaEnum e = p.meta.enumerator();
        bool ok = false;
        const QByteArray key = text.toLatin1();
        const int v =
            e.isFlag() ? e.keysToValue(key.constData(), &ok) : e.keyToValue(key.constData(), &ok);
        if (!ok)
            return false;
        value = v;
    } else if (current.metaType().id() == QMetaType::Bool) {
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            value = true;
        else if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            value = false;
        else
            return false;
    } else if (IsIntegerType(current.metaType().id())) {
        bool ok = false;
        const qlonglong v = text.trimmed().toLongLong(&ok);
        if (!ok)
            return false;
        value = QVariant(v);
        if (!value.convert(current.metaType()))
            return false;
    } else if (IsTextType(current.metaType().id())) {
        value = text;
    } else {
        return false;
    }
    if (p.meta.isValid())
        return p.meta.write(obj, value);
    obj->setProperty(p.dynamicName.constData(), value); // false for a dynamic one, yet written
    return true;
}

QObject *GetObjectPropByName(const QObject *obj, const QString &name) {
    const QVariant v = ReadProperty(obj, FindProperty(obj, name));
    return v.canConvert<QObject *>() ? v.value<QObject *>() : nullptr;
}

bool SetImagePropByName(QObject *obj, const QString &name, const QImage &image) {
    const FoundProperty p = FindProperty(obj, name);
    if (!p.found)
        return false;
    QVariant value;
    switch (ReadProperty(obj, p).metaType().id()) {
    case QMetaType::QImage:
        value = image;
        break;
    case QMetaType::QPixmap:
        value = QPixmap::fromImage(image);
        break;
    default:
        return false;
    }
    if (p.meta.isValid())
        return p.meta.write(obj, value);
    obj->setProperty(p.dynamicName.constData(), value);
    return true;
}

} // namespace skin
