// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/PassphraseOption.h"

#include <termios.h>
#include <unistd.h>

#include <fstream>
#include <iostream>

#include "cli/CommandContext.h"
#include "cli/CommandLine.h"
#include "cli/PasswordOption.h"
#include "crypto/Utf8.h"

namespace hv::cli {

namespace {

// Turns the terminal's echo off for as long as it lives.
class EchoOff {
public:
    EchoOff() {
        if (::tcgetattr(STDIN_FILENO, &before_) != 0) return;
        termios quiet = before_;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        changed_ = ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff() {
        if (changed_) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &before_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    termios before_{};
    bool changed_ = false;
};

// The echo goes off before the prompt shows (flushing what was typed ahead), so that
// whatever answers the prompt is never shown.
std::optional<std::string> ask(CommandContext& context, const char* prompt) {
    std::optional<std::string> answer;
    {
        EchoOff quiet;
        context.err << prompt << std::flush;
        answer = PasswordOption::firstLine(context.in);
    }
    context.err << '\n';
    return answer;
}

}  // namespace

std::string PassphraseOption::read(const CommandLine& line, CommandContext& context, bool confirm) {
    std::optional<std::string> passphrase;
    if (const auto file = line.value(kFileName)) {
        std::ifstream stream(*file, std::ios::binary);
        passphrase = stream ? PasswordOption::firstLine(stream) : std::nullopt;
        if (!passphrase) throw UsageError("cannot read a passphrase from " + *file);
    } else if (&context.in == &std::cin && ::isatty(STDIN_FILENO)) {
        passphrase = ask(context, "Passphrase: ");
        if (passphrase && confirm) {
            const auto again = ask(context, "The same passphrase again: ");
            if (again != passphrase) throw UsageError("the two passphrases differ");
        }
        if (!passphrase) throw UsageError("no passphrase given");
    } else {
        passphrase = PasswordOption::firstLine(context.in);
        if (!passphrase) throw UsageError("no passphrase on standard input");
    }
    if (!isValidUtf8(*passphrase)) throw UsageError("the passphrase is not valid UTF-8");
    return *passphrase;
}

}  // namespace hv::cli
