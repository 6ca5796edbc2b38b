// The program as a process: one instance per user, and the termination signals of a desktop
// session or a terminal close it the orderly way, saving the settings.

#include "app/single_instance.h"
#include "program_directory.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>

namespace dittaro::test {
namespace {

namespace fs = std::filesystem;

class ProcessTest : public testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(runtime_.isValid());
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString lockPath() const { return QDir(runtime_.path()).filePath("ZKT Dittaro.lock"); }

    // Starts the program in the test's program directory with the test's runtime directory.
    void launch() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime_.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("DITTARO_AUDIO", "null");
        // Leaks are looked for in the window tests; here only the exit counts.
        environment.insert("ASAN_OPTIONS", "detect_leaks=0");
        process_.setProcessEnvironment(environment);
        process_.setWorkingDirectory(QString::fromStdString(dir.path().string()));
        process_.setProgram(
            QString::fromStdString((fs::path(DITTARO_BINARY_DIR) / "dist/dittaro").string()));
        process_.start();
        ASSERT_TRUE(process_.waitForStarted(10000));
    }

    // The lock file names the running program once it has taken the lock, and its signal
    // handlers are in place before it does.
    bool waitForLock() {
        const QString pid = QString::number(process_.processId());
        for (int i = 0; i < 600; ++i) {
            QFile lock(lockPath());
            if (lock.open(QIODevice::ReadOnly) && lock.readLine().trimmed() == pid) {
                return true;
            }
            if (process_.state() == QProcess::NotRunning) {
                return false;
            }
            QThread::msleep(50);
        }
        return false;
    }

    bool waitForEnd() {
        return process_.waitForFinished(60000) && process_.exitStatus() == QProcess::NormalExit;
    }

    QTemporaryDir runtime_;
    ProgramDirectory dir;
    QProcess process_;
};

TEST_F(ProcessTest, ASecondInstanceEndsAtOnceAndTouchesNothing) {
    SingleInstance first(lockPath());
    ASSERT_TRUE(first.acquire());
    dir.execute("UPDATE voreinstellungen SET Sprache = 0, FontsizeID = 0");
    const std::string before = dir.bytes("data/Dittaro_Data.sqlite");

    const auto started = std::chrono::steady_clock::now();
    launch();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(process_.exitCode(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
    EXPECT_TRUE(process_.readAllStandardError().isEmpty());
    EXPECT_EQ(dir.bytes("data/Dittaro_Data.sqlite"), before);
}

TEST_F(ProcessTest, TerminationSignalsCloseTheWindowAndSaveTheSettings) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        dir.execute("UPDATE voreinstellungen SET Sprache = 0, FontsizeID = 0, "
                    "DecodierSpeed = 123");
        launch();
        ASSERT_TRUE(waitForLock());
        ::kill(static_cast<pid_t>(process_.processId()), signal);
        ASSERT_TRUE(waitForEnd());
        EXPECT_EQ(process_.exitCode(), 0);
        EXPECT_EQ(dir.integer("SELECT Sprache FROM voreinstellungen"), 1);
        EXPECT_EQ(dir.integer("SELECT FontsizeID FROM voreinstellungen"), 2);
        EXPECT_EQ(dir.integer("SELECT DecodierSpeed FROM voreinstellungen"), 120);
    }
}

TEST_F(ProcessTest, TheLockOfACrashedRunIsTakenOver) {
    // A lock naming a process that has ended.
    QProcess ended;
    ended.start("true");
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    QFile lock(lockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(endedPid) + "\ndittaro\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    lock.close();

    launch();
    ASSERT_TRUE(waitForLock());
    ::kill(static_cast<pid_t>(process_.processId()), SIGTERM);
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(process_.exitCode(), 0);
}

TEST(SingleInstance, OnlyTheFirstHolderGetsTheLock) {
    ensureApplication();
    QTemporaryDir runtime;
    const QString path = QDir(runtime.path()).filePath("ZKT Dittaro.lock");
    SingleInstance first(path);
    SingleInstance second(path);
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
}

} // namespace
} // namespace dittaro::test
