// Runs listrider-cli in-process on a test workspace, and the fields of a product ready to submit.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace listrider::cli {

/// What one command printed and returned.
struct CliRun
{
    int code = -1;
    std::string out;
    std::string err;
};

/// Runs the command line with "--workspace <workspace>" before it, no terminal, empty input.
CliRun RunCliIn(const std::filesystem::path& workspace, std::vector<std::string> args);

/// Returns the fields (name, value) of a shareware product that passes every check before a
/// run; its file and PAD locations are files/zipper.zip and files/zipper.xml under `root`.
std::vector<std::pair<std::string, std::string>> SubmittableProductFields(const std::filesystem::path& root);

} // namespace listrider::cli
