#include "platform/encoders/encoder_process.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace dittaro {
namespace {

// Tag texts are UTF-8; under another locale the encoders mangle non-ASCII letters.
void prepare(QProcess& process, const std::filesystem::path& program,
             const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list << QString::fromStdString(argument);
    }
    process.setProgram(QString::fromStdString(program.string()));
    process.setArguments(list);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
}

std::string lastLine(const QByteArray& output) {
    const QList<QByteArray> lines = output.trimmed().split('\n');
    return lines.isEmpty() ? std::string() : lines.last().trimmed().toStdString();
}

} // namespace

bool DetachedEncoderLauncher::start(const std::filesystem::path& program,
                                    const std::vector<std::string>& arguments,
                                    std::string& reason) {
    QProcess process;
    prepare(process, program, arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        reason = process.errorString().toStdString();
        return false;
    }
    return true;
}

bool WaitingEncoderLauncher::start(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments, std::string& reason) {
    QProcess process;
    prepare(process, program, arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1)) {
        reason = process.errorString().toStdString();
        return false;
    }
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit) {
        reason = "crashed";
        return false;
    }
    if (process.exitCode() != 0) {
        const std::string line = lastLine(process.readAllStandardError());
        reason = "exit status ";
        reason.append(std::to_string(process.exitCode()));
        if (!line.empty()) {
            reason.append(": ").append(line);
        }
        return false;
    }
    return true;
}

} // namespace dittaro
