#pragma once

// The command table for people: the command reference (docs/commands.md, which a test keeps
// equal to this output), the listings of --list-commands and --list-units, and the pieces they
// share.

#include <string>

#include "hart/CodeTables.h"
#include "hart/CommandCatalogue.h"

namespace halvanecmd {

// What an argument takes, in words: "whole number 0 to 255".
std::string argumentDescription(const hart::RequestArgument& argument);

// A command line that sends the command with its example arguments: "halvane-cmd 35 0 kPa 100 0".
std::string exampleCommandLine(const hart::CommandEntry& entry);

// docs/commands.md.
std::string commandReference();

// --list-commands: number, name, arguments and an example of every command the driver sends.
std::string commandList();

// --list-units: code and name of every unit the table file names.
std::string unitList(const hart::CodeTables& tables);

}  // namespace halvanecmd
