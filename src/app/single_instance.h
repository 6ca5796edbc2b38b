#pragma once

// One Dittaro per user: a lock file named after the program's mutex "ZKT Dittaro" in the
// user's runtime directory. A lock left behind by a crashed run is taken over.

#include <QLockFile>
#include <memory>

class QString;

namespace dittaro {

class SingleInstance {
public:
    // The lock file in the runtime directory ($XDG_RUNTIME_DIR, or Qt's fallback).
    static QString defaultLockPath();

    explicit SingleInstance(const QString& lockPath);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another running instance holds the lock. Held until destruction.
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace dittaro
