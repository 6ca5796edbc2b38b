// Dittaro: a single instance of the main window, started from the program directory.

#include "app/main_window.h"
#include "app/single_instance.h"
#include "app/termination_signals.h"
#include "common/sqlite_database.h"
#include "platform/dialogs/qt_dialogs.h"

#include <QApplication>
#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dittaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZKT Dittaro"));

    // Before anything that may take a while, so that no signal ends the program unsaved.
    dittaro::TerminationSignals terminationSignals({});
    dittaro::SingleInstance instance(dittaro::SingleInstance::defaultLockPath());
    if (!instance.acquire()) {
        return 0;
    }

    dittaro::QtDialogs dialogs;
    dittaro::MainWindow window(dittaro::ProgramPaths(std::filesystem::current_path()), dialogs);
    terminationSignals.setCallback([&window](int) { window.close(); });
    const auto reportDatabaseError = [&](const dittaro::SqliteError& error) {
        dialogs.error(&window, QApplication::applicationDisplayName(),
                      QString::fromStdString(error.what()));
    };
    try {
        if (!window.create()) {
            return 1;
        }
        window.show();
        const int result = application.exec();
        window.shutDown();
        return result;
    } catch (const dittaro::SqliteError& error) {
        reportDatabaseError(error);
        return 1;
    }
}
