#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>
#include <QString>

namespace dittaro {

QString SingleInstance::defaultLockPath() {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty()) {
        directory = QDir::tempPath();
    }
    return QDir(directory).filePath(QStringLiteral("ZKT Dittaro.lock"));
}

SingleInstance::SingleInstance(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath)) {
    // Never stale by age: a lock is only taken over when its process is gone.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_->tryLock(0);
}

} // namespace dittaro
