// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

namespace hv {

class HushvaultViewController;
class ViewController;

// The screens the main menu opens that live in other parts of the application. Each
// makes a new screen for the given menu; an entry whose screen is not available is
// shown disabled.
struct MenuScreens {
    using Factory = std::function<ViewController*(HushvaultViewController* menu)>;

    Factory composer;     // "NMessage", tag 101
    Factory contactList;  // "Management", tag 102, needs a login
    Factory records;      // "Crecords", tag 103, needs a login
    Factory settings;     // "Setting"
    Factory login;        // presented when a guarded entry is locked
    Factory about;        // the info button's; a plain about screen without it
    // "Read a message": opens a reader for the secret message in a text, or says that it
    // holds none; true when a reader opened.
    std::function<bool(const QString& text)> readText;
};

}  // namespace hv
