// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>
#include <functional>

namespace hv {
class AddressBook;
class StorePaths;
class Window;
}  // namespace hv

// A walk through every screen of the application, as main() assembles it, on a scratch
// profile: the menu, the guides, the composer and its chooser, the settings, the login and
// the about screen, the alerts, the records, the contact screens and the reader.
class ScreenTour {
public:
    // Called at each stop with the window and the name of what it shows; false marks the
    // stop as failed (the walk goes on).
    using Visit = std::function<bool(hv::Window* window, const QString& screen)>;

    // The walk in one language, the window at the given size in points; whether every stop
    // succeeded.
    static bool run(const QString& language, const QSize& size, const hv::StorePaths& paths,
                    const hv::AddressBook& book, const Visit& visit);
};
