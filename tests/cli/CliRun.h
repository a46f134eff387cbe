#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include "TestSupport.h"

namespace tidewell::test {

struct Outcome {
    int Status = -1;
    std::string Out, Err;
};

// Runs tidewell-cli in `folder`: exit status, standard output and error.
inline Outcome RunCli(const std::filesystem::path& folder, const std::string& arguments) {
    const std::filesystem::path err = folder / "stderr.txt";
    const std::string command = "cd '" + folder.string() + "' && '" TIDEWELL_CLI "' " + arguments +
                                " 2>'" + err.string() + "'";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        outcome.Out.append(buffer, n);
    const int status = pclose(pipe);
    outcome.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.Err = ReadFile(err);
    std::filesystem::remove(err);
    return outcome;
}

class CliFolder : public testing::Test {
  protected:
    Outcome Run(const std::string& arguments) const { return RunCli(Folder, arguments); }
    // The JSON object of one run of the case the options give, without a report.
    nlohmann::json RunJson(const std::string& options) const {
        return nlohmann::json::parse(Run(options + " --json --no-report").Out);
    }
    void ExpectNoTemporaryFiles() const {  // no half-written file left behind
        for (const auto& entry : std::filesystem::directory_iterator(Folder))
            EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos);
    }

    TemporaryFolder Scratch;
    const std::filesystem::path Folder = Scratch.Path();
    const std::filesystem::path Report = Folder / "Tidewell_OUT.txt";
};

}  // namespace tidewell::test
