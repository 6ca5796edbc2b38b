#pragma once

// The program's help viewer: a window per help file with the contents on the left and the
// topic on the right, not modal and not owned by the main window. A file that cannot be
// shown is passed over silently.

#include <QPointer>
#include <filesystem>
#include <vector>

namespace dittaro {

class HelpWindow;

class HelpViewer {
public:
    HelpViewer() = default;
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    void showDefaultTopic(const std::filesystem::path& file);
    // The topic of a context number; a number the file does not map shows its default topic.
    void showContext(const std::filesystem::path& file, int context);
    void closeAll();

    // The open windows, for the window's own checks and for tests.
    std::vector<HelpWindow*> windows() const;

private:
    HelpWindow* windowFor(const std::filesystem::path& file);

    std::vector<QPointer<HelpWindow>> windows_;
};

} // namespace dittaro
