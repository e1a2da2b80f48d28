// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AutostartEntry.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "Version.h"

namespace hv {

namespace {

// One argument of Exec, as the desktop entry format wants it: quoted where it holds a
// reserved character, then with every backslash doubled (the value is a string too).
QString execArgument(QString argument) {
    static const QString reserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    argument.replace('%', "%%");
    bool quote = argument.isEmpty();
    for (const QChar c : argument) quote = quote || reserved.contains(c);
    if (quote) {
        for (const char* special : {"\\", "\"", "`", "$"})
            argument.replace(special, QString("\\") + special);
        argument = '"' + argument + '"';
    }
    return argument.replace('\\', "\\\\");
}

bool hasControlCharacter(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return true;
    return false;
}

}  // namespace

AutostartEntry::AutostartEntry(QString program, QStringList arguments)
    : program_(std::move(program)), arguments_(std::move(arguments)) {}

AutostartEntry AutostartEntry::forThisProgram(const QString& dataDirectory) {
    QStringList arguments{"--background"};
    if (!dataDirectory.isEmpty()) arguments << "--data-dir=" + dataDirectory;
    return AutostartEntry(QCoreApplication::applicationFilePath(), arguments);
}

QString AutostartEntry::path() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart/" +
           kHushvaultAppId + ".desktop";
}

bool AutostartEntry::isInstalled() const {
    return QFileInfo::exists(path());
}

QString AutostartEntry::contents() const {
    QStringList exec{execArgument(program_)};
    for (const QString& argument : arguments_) exec << execArgument(argument);
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Hushvault\n"
               "Comment=Notices secret messages while no Hushvault window is open\n"
               "Exec=%1\n"
               "Icon=%2\n"
               "NoDisplay=true\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n")
        .arg(exec.join(' '), QString::fromLatin1(kHushvaultAppId));
}

bool AutostartEntry::install(QString* error) const {
    // A line break would end the Exec line and start one of the file's own.
    if (hasControlCharacter(program_) ||
        std::any_of(arguments_.begin(), arguments_.end(), hasControlCharacter)) {
        if (error) *error = QStringLiteral("the program's path cannot be written in an entry");
        return false;
    }
    const QString file = path();
    if (!QDir().mkpath(QFileInfo(file).path())) {
        if (error) *error = QFileInfo(file).path() + QStringLiteral(": cannot be created");
        return false;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(contents().toUtf8()) < 0 || !out.commit()) {
        if (error) *error = file + ": " + out.errorString();
        return false;
    }
    return true;
}

bool AutostartEntry::remove(QString* error) const {
    QFile file(path());
    if (!file.exists() || file.remove()) return true;
    if (error) *error = path() + ": " + file.errorString();
    return false;
}

}  // namespace hv
