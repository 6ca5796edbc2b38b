// The program's start as main() runs it, up to the main window shown and painted once;
// then it prints how many nanoseconds have passed since the moment its parent put in
// DITTARO_START_NS (the steady clock just before the parent started this process).

#include "app/main_window.h"
#include "app/single_instance.h"
#include "app/termination_signals.h"
#include "platform/dialogs/qt_dialogs.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    dittaro::TerminationSignals terminationSignals({});
    dittaro::SingleInstance instance(dittaro::SingleInstance::defaultLockPath());
    if (!instance.acquire()) {
        return 2;
    }
    dittaro::QtDialogs dialogs;
    dittaro::MainWindow window(dittaro::ProgramPaths(std::filesystem::current_path()), dialogs);
    if (!window.create()) {
        return 1;
    }
    window.show();
    QApplication::processEvents();
    const long long shown = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                std::chrono::steady_clock::now().time_since_epoch())
                                .count();
    const char* start = std::getenv("DITTARO_START_NS");
    std::printf("%lld\n", shown - (start != nullptr ? std::atoll(start) : shown));
    std::fflush(stdout);
    window.close();
    window.shutDown();
    return 0;
}
