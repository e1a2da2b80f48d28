// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the bash completion of hushvault-cli, made from the command table that also makes
// its --help, so that the two never disagree:   hv_completion > hushvault-cli
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/PasswordOption.h"

namespace {

// The options an action takes, as its arguments show them: "--to NUMBER [--friend]" gives
// "--to --friend". A preset password can come from a file as well.
std::string optionsOf(const hv::cli::Command& command) {
    std::istringstream arguments{std::string(command.arguments)};
    std::string options;
    std::string word;
    while (arguments >> word) {
        const std::size_t start = word.find("--");
        if (start == std::string::npos) continue;
        const std::size_t end = word.find_first_of("]|=", start);
        const std::string option = word.substr(start, end - start);
        if (option == "--") continue;
        options += (options.empty() ? "" : " ") + option;
        if (option == hv::cli::PasswordOption::kName)
            options += std::string(" ") + hv::cli::PasswordOption::kFileName;
    }
    return options;
}

}  // namespace

int main() {
    std::string names;
    std::ostringstream arms;
    std::string lastName;
    std::string actions;
    const auto closeName = [&] {
        if (!actions.empty())
            arms << "        \"" << lastName << " \") candidates=\"" << actions << "\" ;;\n";
        actions.clear();
    };
    for (const hv::cli::Command& command : hv::cli::commands()) {
        const std::string name(command.name);
        if (name != lastName) {
            closeName();
            lastName = name;
            names += " " + name;
        }
        if (command.action.empty()) {
            arms << "        \"" << name << " \"*) candidates=\"" << optionsOf(command)
                 << "\" ;;\n";
        } else {
            actions += (actions.empty() ? "" : " ") + std::string(command.action);
            arms << "        \"" << name << ' ' << command.action << "\") candidates=\""
                 << optionsOf(command) << "\" ;;\n";
        }
    }
    closeName();

    std::cout << "# bash completion for hushvault-cli, made from its command table.\n"
                 "_hushvault_cli() {\n"
                 "    local cur=${COMP_WORDS[COMP_CWORD]} i words=() candidates\n"
                 "    case ${COMP_WORDS[COMP_CWORD-1]} in\n"
                 "        --data-dir | --contacts-dir | --password-file)\n"
                 "            compopt -o default\n"
                 "            COMPREPLY=()\n"
                 "            return ;;\n"
                 "    esac\n"
                 "    # The words before the one being completed, without the options.\n"
                 "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
                 "        case ${COMP_WORDS[i]} in\n"
                 "            --data-dir) ((i++)) ;;\n"
                 "            -*) ;;\n"
                 "            *) words+=(\"${COMP_WORDS[i]}\") ;;\n"
                 "        esac\n"
                 "    done\n"
                 "    case \"${words[0]-} ${words[1]-}\" in\n"
                 "        \" \") candidates=\"--data-dir --help --version"
              << names << "\" ;;\n"
              << arms.str()
              << "        *) candidates=\"\" ;;\n"
                 "    esac\n"
                 "    mapfile -t COMPREPLY < <(compgen -W \"$candidates\" -- \"$cur\")\n"
                 "}\n"
                 "complete -F _hushvault_cli hushvault-cli\n";
    return 0;
}
