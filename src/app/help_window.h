#pragma once

// One help file in a window: its contents as a tree and the chosen topic in a browser that
// reads pages, style sheets and images from the file.

#include "platform/help/help_file.h"

#include <QWidget>
#include <filesystem>

class QTreeWidget;
class QTextBrowser;

namespace dittaro {

class HelpWindow : public QWidget {
public:
    explicit HelpWindow(HelpFile file, std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }
    void showTopic(const HelpTopic& topic);
    void showDefaultTopic() { showTopic(file_.defaultTopic()); }
    // A number the file does not map shows the default topic.
    void showContext(int context);
    // The page shown, e.g. "/tab_start.html", and its anchor.
    HelpTopic currentTopic() const;

private:
    HelpFile file_;
    std::filesystem::path path_;
    QTreeWidget* contents_;
    QTextBrowser* browser_;
};

} // namespace dittaro
