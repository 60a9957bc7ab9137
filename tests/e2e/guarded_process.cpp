#include "e2e/guarded_process.h"

#include <sys/prctl.h>

#include <QElapsedTimer>
#include <csignal>

namespace pelora::e2e {
namespace {

constexpr int startTimeoutMs = 10000;
constexpr int terminateGraceMs = 2000;

// The child is killed by the kernel when the test process dies, whatever the way it dies.
void prepare(QProcess& process, const QProcessEnvironment& environment) {
    process.setProcessEnvironment(environment);
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

}  // namespace

GuardedProcess::GuardedProcess(const QString& program, const QStringList& arguments,
                               const QProcessEnvironment& environment, Output output)
    : process_(std::make_unique<QProcess>()) {
    prepare(*process_, environment);
    if (output == Output::Forwarded) {
        process_->setProcessChannelMode(QProcess::ForwardedChannels);
    } else if (output == Output::AllKept) {
        process_->setProcessChannelMode(QProcess::MergedChannels);
    } else {
        process_->setStandardErrorFile(QProcess::nullDevice());
    }
    if (output == Output::Discarded) {
        process_->setStandardOutputFile(QProcess::nullDevice());
    }
    process_->start(program, arguments);
    started_ = process_->waitForStarted(startTimeoutMs);
}

GuardedProcess::~GuardedProcess() {
    if (!running()) {
        return;
    }
    process_->terminate();
    if (!process_->waitForFinished(terminateGraceMs)) {
        process_->kill();
        process_->waitForFinished(terminateGraceMs);
    }
}

bool GuardedProcess::running() const {
    return process_->state() != QProcess::NotRunning;
}

void GuardedProcess::kill() {
    process_->kill();
    process_->waitForFinished(terminateGraceMs);
}

bool GuardedProcess::waitForExit(int timeoutMs) {
    if (!running()) {
        return true;
    }
    return process_->waitForFinished(timeoutMs);
}

QByteArray GuardedProcess::readLine(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!process_->canReadLine()) {
        const auto left = static_cast<int>(timeoutMs - clock.elapsed());
        if (left <= 0 || !process_->waitForReadyRead(left)) {
            return {};
        }
    }
    return process_->readLine().trimmed();
}

ToolResult runTool(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& environment, const QByteArray& input, int timeoutMs) {
    QProcess process;
    prepare(process, environment);
    process.start(program, arguments);
    ToolResult result;
    if (!process.waitForStarted(startTimeoutMs)) {
        result.errors = program.toUtf8() + " did not start";
        return result;
    }
    if (!input.isEmpty()) {
        process.write(input);
    }
    process.closeWriteChannel();
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(terminateGraceMs);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    return result;
}

}  // namespace pelora::e2e
