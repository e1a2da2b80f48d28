// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace hv {

// Ends the event loop once the first frame of a window has been drawn, so that a cold
// start can be timed from outside (the benchmarks; a packager checking a build). Armed
// by the environment variable named below; does nothing otherwise.
class FirstFrameQuit : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kVariable = "HUSHVAULT_EXIT_WHEN_SHOWN";

    // Watches the application when the variable is set to "1".
    static void armIfRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    bool drawn_ = false;
};

}  // namespace hv
