// Child processes of the end-to-end tests. Each one dies with the object that started it, and
// with the test process itself should that be killed, so that no Xvfb, window manager or program
// outlives a failed test.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>

namespace pelora::e2e {

class GuardedProcess {
public:
    // Where the process's output goes: to the test's own output, nowhere, (the standard output
    // only) kept for readLine, or both channels kept together for readAllOutput.
    enum class Output { Forwarded, Discarded, StandardOutputKept, AllKept };

    // Starts the program; started() says whether it is running.
    GuardedProcess(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& environment, Output output = Output::Forwarded);
    ~GuardedProcess();
    GuardedProcess(const GuardedProcess&) = delete;
    GuardedProcess& operator=(const GuardedProcess&) = delete;

    bool started() const { return started_; }
    bool running() const;
    // Waits until the process ends by itself; false when it is still running after timeoutMs.
    bool waitForExit(int timeoutMs);
    // Exit code and whether the process returned from main or exit() (not a signal or crash).
    int exitCode() const { return process_->exitCode(); }
    bool exitedNormally() const { return process_->exitStatus() == QProcess::NormalExit; }
    // Reads one line of the process's standard output, waiting at most timeoutMs for it.
    QByteArray readLine(int timeoutMs);
    // Everything the process has written so far (Output::AllKept).
    QByteArray readAllOutput() { return process_->readAll(); }
    // Ends the process at once, as a crash would: no clean-up of its own runs.
    void kill();
    qint64 processId() const { return process_->processId(); }

private:
    std::unique_ptr<QProcess> process_;
    bool started_ = false;
};

struct ToolResult {
    bool finished = false;  // ended within the time allowed
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

// Runs a command-line tool to its end, feeding it `input` on its standard input.
ToolResult runTool(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& environment, const QByteArray& input = {},
                   int timeoutMs = 10000);

}  // namespace pelora::e2e
