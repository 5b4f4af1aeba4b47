// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

// The command line of a Tessalin program: its own options, and -h/--help and -v/--version, which
// every program answers on standard output without opening a window. Qt's own options
// (-platform, -style, ...) are Qt's: read the arguments that the application object leaves.
class ProgramOptions {
public:
    ProgramOptions(const QString& program, const QString& description);

    void Add(const QCommandLineOption& option) { parser_.addOption(option); }

    // Whether the arguments ask for help or the version, among whatever else they hold.
    static bool AsksForHelpOrVersion(int argc, char** argv);

    // Reads the arguments. Help and the version go to standard output and end the program with
    // 0; an unknown option or a stray argument is named on standard error and ends it with 2.
    // Nothing when the program goes on.
    std::optional<int> Answer(const QStringList& arguments);

    bool IsSet(const QString& name) const { return parser_.isSet(name); }
    QString Value(const QString& name) const { return parser_.value(name); }

private:
    QString program_;
    QCommandLineParser parser_;
};

// Names what is wrong with the command line on standard error; returns the status for it, 2.
int RefuseCommandLine(const QString& program, const QString& problem);
