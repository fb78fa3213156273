#pragma once
// Runs taalspoor-zoek in a test folder, as a user at a terminal would.

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "test_support.h"

namespace taalspoor::testing {

struct CliOutcome {
    int status;
    std::string out, err;
};

inline std::string shell_quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline CliOutcome run_taalspoor_zoek(const TempFolder& folder, const std::vector<std::string>& args) {
    // Built piece by piece: GCC 12 warns falsely (-Wrestrict) about literal + string chains.
    std::string command = "cd ";
    command += shell_quoted(folder.path().string());
    command += " && ";
    command += TAALSPOOR_CLI;
    for (const auto& a : args) {
        command += ' ';
        command += shell_quoted(a);
    }
    command += " > out.txt 2> err.txt";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, folder.read("out.txt"), folder.read("err.txt")};
}

// Result lines as the program prints them: each followed by a line feed.
inline std::string as_printed(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) out.append(line).push_back('\n');
    return out;
}

// The lines of the program's output, without their line feeds.
inline std::vector<std::string> output_lines(const std::string& out) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(out.substr(start, end - start));
    return lines;
}

}  // namespace taalspoor::testing
