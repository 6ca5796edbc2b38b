#pragma once

// Controls carry the names the program's design gives them, so that code, tests and help
// context find them by name.

#include <QObject>
#include <QString>

namespace dittaro {

template <typename T> T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace dittaro
