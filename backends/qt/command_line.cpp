// SPDX-License-Identifier: MIT
#include "backends/qt/command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

namespace backends::qt {

namespace {

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("The Quenmark: watch a message enciphered keystroke by keystroke through a code "
                       "book that you change one letter at a time."));
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace

bool asksForHelpOrVersion(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    describeOptions(parser);
    // Qt's options are still among the arguments: unknown options are named later, by processCommandLine.
    parser.parse(arguments);
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))
           || parser.isSet(QStringLiteral("version"));
}

void processCommandLine(const QApplication &application)
{
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(application);
}

} // namespace backends::qt
