// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Also what the journeys themselves use: the screens' widgets, the store, the fakes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSize>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/HushvaultAppDelegate.h"
#include "app/HushvaultApplication.h"
#include "platform/Localization.h"
#include "store/HushvaultSqlite.h"
#include "support/FakeModemManager.h"
#include "support/TempDir.h"
#include "support/UiHelpers.h"
#include "ui/AlertView.h"
#include "ui/Window.h"

namespace hv::test {

// Runs a program (another start of the application, hushvault-cli) in this process's
// environment plus the NAME=value pairs given, and waits for its end while the event loop
// goes on; its exit code (-1 when it crashed), and in output what it wrote.
int run(const QString& program, const QStringList& arguments, QString* output,
        const QStringList& environment = {});

// Hushvault assembled exactly as main() assembles it (HushvaultApplication: delegate,
// real screens, the Outbox SMS service, the system clock, links between starts) on a
// profile of its own, driven on the real event loop with real waits, the mouse and the
// keyboard. A journey may quit the application and start it again on the same profile.
class Journey {
public:
    Journey() = default;
    ~Journey();

    // The SMS service the next start sends through (--sms); the Outbox by default.
    void setSms(const QString& service) { sms_ = service; }
    // The window's size in points after a start; 320 x 480, the screens' reference size,
    // unless set.
    void setWindowSize(const QSize& size) { windowSize_ = size; }
    // Starts in the background (--background): no window until one is asked for.
    void setBackground(bool background) { background_ = background; }
    // Sets an environment variable for this journey's starts; the journey's end puts back
    // what it was, so that no journey leaves its surroundings to the next.
    void setEnvironment(const char* name, const QString& value);
    // Starts the application (again), with a link on its command line if one is given.
    void start(const QString& link = {});
    void quit();

    HushvaultApplication& app() { return *app_; }
    Window* window() const;
    const TempDir& profile() const { return profile_; }
    QString dataDirectory() const { return QString::fromStdString(profile_.path()); }
    // The folder of vCards the application reads as its address book (<profile>/vcards).
    QString contactsDirectory() const { return dataDirectory() + "/vcards"; }

    // A person's hands: taps the visible button of that name, types into whatever has the
    // keyboard, presses a key there.
    void tap(const QString& objectName);
    // Clicks any visible widget of that name (a row, a field) in its middle.
    void click(const QString& objectName);
    void type(const QString& text);
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void wait(int milliseconds) { QTest::qWait(milliseconds); }
    // Waits on the event loop until the condition holds, at most the time given; whether
    // it came to hold.
    bool waitUntil(const std::function<bool()>& condition, int milliseconds = 10000);

    // The widget of that name on the window (the last one made), or null.
    template <class Widget>
    Widget* find(const QString& objectName) const;
    QString barTitle() const { return hv::test::barTitle(window()); }

private:
    TempDir profile_;
    std::map<QByteArray, std::optional<QByteArray>> environmentBefore_;
    std::unique_ptr<HushvaultApplication> app_;
    QString sms_ = "outbox";
    bool background_ = false;
    QSize windowSize_{320, 480};
};

template <class Widget>
Widget* Journey::find(const QString& objectName) const {
    QWidget* root = window();
    if (!root) return nullptr;
    const auto found = root->findChildren<Widget*>(objectName);
    return found.isEmpty() ? nullptr : found.last();
}

}  // namespace hv::test
