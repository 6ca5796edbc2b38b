#pragma once

// The Dialogs seam for tests: records every box and dialog the program asks for and answers
// from a script instead of waiting for a user.

#include "platform/dialogs/dialogs.h"

#include <deque>
#include <functional>
#include <vector>

namespace dittaro {

class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Information, Error, Question, OpenFile, SaveFile, Exec };

    struct Call {
        Kind kind;
        QString caption; // dialog title for Exec, empty for Information and the file dialogs
        QString text;    // message text; the filter for the file dialogs
    };

    // Answers, taken in order; when a queue is empty: No, and cancel.
    std::deque<bool> questionAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    // Runs while a dialog "is shown"; without it the dialog is rejected at once.
    std::function<int(QDialog&)> onExec;

    const std::vector<Call>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

    void information(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& caption, const QString& text) override;
    bool question(QWidget* parent, const QString& caption, const QString& text) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogOptions& options) override;
    int exec(QDialog& dialog) override;

private:
    std::optional<QString> nextFile();

    std::vector<Call> calls_;
};

} // namespace dittaro
