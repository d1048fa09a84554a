#pragma once

#include <QStringList>

#include <cstdio>
#include <optional>

// "quillset --publish <project title> [--password-stdin]": generates the saved project
// as Finish does and uploads it with its saved server settings, without a display.
// The password comes from the desktop's secret store, or from the first line of the
// standard input with --password-stdin. Prints each file sent; on failure prints the
// message and gives a non-zero exit code.

// The command's exit code, or nothing when the arguments ask for no publish.
std::optional<int> RunPublishCommand(const QStringList &arguments, FILE *input, FILE *output, FILE *errors);
