#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <string>

namespace pelmora::testing {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs a built program to its end, with the offscreen display or with none at all.
inline ProgramRun RunProgram(const QString& program, const QStringList& arguments, bool display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    if (display) {
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        // The toolkit's own notes about the machine (no runtime folder, ...) are not the program's output.
        environment.insert("QT_LOGGING_RULES", "*.warning=false");
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

}  // namespace pelmora::testing
