#include "platform/dialogs/scripted_dialogs.h"

#include <QDialog>

namespace dittaro {

void ScriptedDialogs::information(QWidget*, const QString& text) {
    calls_.push_back({Kind::Information, {}, text});
}

void ScriptedDialogs::error(QWidget*, const QString& caption, const QString& text) {
    calls_.push_back({Kind::Error, caption, text});
}

bool ScriptedDialogs::question(QWidget*, const QString& caption, const QString& text) {
    calls_.push_back({Kind::Question, caption, text});
    if (questionAnswers.empty()) {
        return false;
    }
    const bool answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::nextFile() {
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    // Swapped out rather than copied: GCC 12 warns falsely about copying an optional QString
    // when optimising.
    std::optional<QString> answer;
    answer.swap(fileAnswers.front());
    fileAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::openFileName(QWidget*, const FileDialogOptions& options) {
    calls_.push_back({Kind::OpenFile, {}, options.filter});
    return nextFile();
}

std::optional<QString> ScriptedDialogs::saveFileName(QWidget*, const FileDialogOptions& options) {
    calls_.push_back({Kind::SaveFile, {}, options.filter});
    return nextFile();
}

int ScriptedDialogs::exec(QDialog& dialog) {
    calls_.push_back({Kind::Exec, dialog.windowTitle(), {}});
    return onExec ? onExec(dialog) : QDialog::Rejected;
}

} // namespace dittaro
