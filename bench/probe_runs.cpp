#include "probe_runs.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "process_probe.h"

extern char** environ;

namespace pelora::bench {
namespace {

std::string readAll(int descriptor) {
    std::string text;
    char buffer[4096];
    for (ssize_t count = read(descriptor, buffer, sizeof buffer); count > 0;
         count = read(descriptor, buffer, sizeof buffer)) {
        text.append(buffer, static_cast<std::size_t>(count));
    }
    return text;
}

std::map<std::string, double> parseReport(const std::string& text) {
    std::map<std::string, double> values;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const std::size_t equals = word.find('=');
        if (equals != std::string::npos) {
            values[word.substr(0, equals)] = std::stod(word.substr(equals + 1));
        }
    }
    return values;
}

}  // namespace

ProbeRun runSelf(const std::vector<std::string>& arguments) {
    std::vector<std::string> words{"/proc/self/exe"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    int output[2];
    if (pipe(output) != 0) {
        throw std::runtime_error("no pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    ProbeRun run;
    pid_t child = 0;
    run.spawnedAtNs = monotonicNanoseconds();
    const int failed = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (failed != 0) {
        close(output[0]);
        throw std::runtime_error("cannot start " + words.front());
    }
    const std::string report = readAll(output[0]);
    close(output[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("the run failed: " + report);
    }
    run.values = parseReport(report);
    return run;
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

}  // namespace pelora::bench
