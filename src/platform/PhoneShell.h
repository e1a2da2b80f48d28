// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace hv {

// Whether Hushvault runs under a phone's shell (Phosh, Plasma Mobile), read from the session's
// environment. There the shell owns the screen: windows fill it, carry no title bar, and the
// shell's gestures go back and switch apps. Needs no application object.
class PhoneShell {
public:
    static bool detected();

    // Before the application object exists: asks the toolkit for no title bar of its own
    // when a phone shell runs.
    static void prepareEnvironment();
};

}  // namespace hv
