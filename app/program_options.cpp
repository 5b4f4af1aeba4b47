// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_options.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr int kExitAnswered = 0;
constexpr int kExitBadCommandLine = 2;

const QCommandLineOption kHelp({"h", "help"}, "Show this help and exit.");
const QCommandLineOption kVersion({"v", "version"}, "Show the version and exit.");

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

ProgramOptions::ProgramOptions(const QString& program, const QString& description)
    : program_(program) {
    // "-style" is one of Qt's options, not -s -t -y -l -e.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.setApplicationDescription(description);
    parser_.addOption(kHelp);
    parser_.addOption(kVersion);
}

bool ProgramOptions::AsksForHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help" || argument == "-v" ||
            argument == "--version") {
            return true;
        }
    }
    return false;
}

std::optional<int> ProgramOptions::Answer(const QStringList& arguments) {
    const bool understood = parser_.parse(arguments);
    if (parser_.isSet(kHelp)) {
        Print(stdout, parser_.helpText());
        return kExitAnswered;
    }
    if (parser_.isSet(kVersion)) {
        Print(stdout, QString("%1 %2\n").arg(program_, TESSALIN_VERSION));
        return kExitAnswered;
    }
    if (!understood) {
        return RefuseCommandLine(program_, parser_.errorText());
    }
    if (!parser_.positionalArguments().isEmpty()) {
        return RefuseCommandLine(
            program_, "Unexpected argument '" + parser_.positionalArguments().first() + "'.");
    }
    return std::nullopt;
}

int RefuseCommandLine(const QString& program, const QString& problem) {
    Print(stderr, QString("%1: %2\nTry '%1 --help'.\n").arg(program, problem));
    return kExitBadCommandLine;
}
