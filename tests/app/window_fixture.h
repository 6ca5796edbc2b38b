#pragma once

// A main window on a test program directory, started and ended the way the program does,
// with scripted dialogs.

#include "app/main_window.h"
#include "platform/dialogs/scripted_dialogs.h"
#include "program_directory.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace dittaro::test {

class WindowTest : public testing::Test {
public:
    void SetUp() override { ensureApplication(); }
    void TearDown() override {
        if (window_) {
            finish();
        }
    }

    // Creation and first showing on the directory as it is now.
    MainWindow& start() {
        window_ = std::make_unique<MainWindow>(ProgramPaths(dir.path()), dialogs);
        const bool created = window_->create();
        EXPECT_TRUE(created);
        window_->show();
        QApplication::processEvents();
        return *window_;
    }

    // Closes the window as "Beenden" does and lets it save.
    void finish() {
        window_->close();
        window_->shutDown();
        window_.reset();
        QApplication::processEvents();
    }

    MainWindow& window() { return *window_; }

    template <typename T> T* find(const char* name) {
        T* object = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(object, nullptr) << "no control named " << name;
        return object;
    }
    QAction* action(const char* name) { return find<QAction>(name); }

    // A mouse click on the box of a check box or radio button.
    static void clickBox(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    ProgramDirectory dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window_;
};

} // namespace dittaro::test
