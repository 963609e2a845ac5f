#pragma once

#include <QString>

class QImage;
class QObject;

namespace skin {

// Reading and writing properties of any widget by name: static Qt properties and dynamic ones,
// names compared without regard to case. Each reader gives a neutral value when the object is
// null or has no such property.

// The value of an integer property; `missing` (-1 unless given) otherwise.
int GetIntPropByName(const QObject *obj, const QString &name, int missing = -1);
// The object has an integer property of that name.
bool HasIntPropByName(const QObject *obj, const QString &name);
// An enumeration or boolean property as its name text ("True"/"False" for a boolean); empty
// otherwise.
QString GetEnumPropByName(const QObject *obj, const QString &name);
// A text property; empty otherwise.
QString GetStrPropByName(const QObject *obj, const QString &name);
// Writes text to an existing property by its kind: an enumeration from its key ("True"/"False"
// for a boolean), an integer from decimal text, a text as it is. Never creates a property;
// text that is not valid for the kind changes nothing. True when a value was written.
bool SetPropByName(QObject *obj, const QString &name, const QString &text);
// The object held by an object property; null otherwise.
QObject *GetObjectPropByName(const QObject *obj, const QString &name);
// Writes an image to an existing image or pixmap property. True when it was written.
bool SetImagePropByName(QObject *obj, const QString &name, const QImage &image);

} // namespace skin
