#include "app/help_viewer.h"

#include "app/help_window.h"

#include <string>

namespace dittaro {

HelpViewer::~HelpViewer() {
    closeAll();
}

HelpWindow* HelpViewer::windowFor(const std::filesystem::path& file) {
    for (HelpWindow* window : windows()) {
        if (window->path() == file) {
            return window;
        }
    }
    std::string error;
    std::optional<HelpFile> help = HelpFile::open(file, error);
    if (!help) {
        return nullptr;
    }
    auto* window = new HelpWindow(std::move(*help), file);
    windows_.emplace_back(window);
    return window;
}

void HelpViewer::showDefaultTopic(const std::filesystem::path& file) {
    if (HelpWindow* window = windowFor(file)) {
        window->showDefaultTopic();
        window->show();
        window->raise();
    }
}

void HelpViewer::showContext(const std::filesystem::path& file, int context) {
    if (HelpWindow* window = windowFor(file)) {
        window->showContext(context);
        window->show();
        window->raise();
    }
}

void HelpViewer::closeAll() {
    for (HelpWindow* window : windows()) {
        window->close();
    }
    windows_.clear();
}

std::vector<HelpWindow*> HelpViewer::windows() const {
    std::vector<HelpWindow*> open;
    for (const QPointer<HelpWindow>& window : windows_) {
        if (window) {
            open.push_back(window);
        }
    }
    return open;
}

} // namespace dittaro
