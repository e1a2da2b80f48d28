// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "app/MenuScreens.h"
#include "store/HushvaultSqlite.h"
#include "store/StorePaths.h"

namespace hv {

class HushvaultViewController;
class NavigationController;
class ViewController;
class Window;

// The application's own start: prepares the store, shows the main menu in the window,
// and routes incoming hiddenmsg:// links to the message reader. Owns the window, and
// through it the navigation, the main menu and the reader, for the rest of the run.
class HushvaultAppDelegate : public QObject {
    Q_OBJECT
public:
    // A reader for the link; sender is the number the message came from, or empty.
    using ReaderFactory =
        std::function<ViewController*(const QString& link, const QString& sender)>;

    explicit HushvaultAppDelegate(StorePaths paths, MenuScreens screens = {},
                                  QObject* parent = nullptr);
    ~HushvaultAppDelegate() override;

    // Tables, first-run settings, version row, bar image, main menu; shows the window
    // unless the application starts in the background.
    bool didFinishLaunchingWithOptions(bool showWindow = true);
    // Opens a reader for an acceptable link (see LinkAcceptance); every other link is
    // ignored but still brings the window to the front. Always true: the link counts as
    // handled. A link that comes while a reader is shown opens a new reader on top of it,
    // and Back returns to the earlier one.
    bool openURL(const QString& link);
    // The same for a received message whose sender's number is known.
    bool openMessage(const QString& link, const QString& sender);
    // Opens a reader for the secret message in a text a person pasted or dropped (a link, a
    // token plain or escaped, a whole SMS); an alert says so when the text holds none.
    // True when a reader opened.
    bool readText(const QString& text);
    // The message reader made for an accepted link; without one, accepted links open
    // nothing.
    void setReaderFactory(ReaderFactory factory) { readerFactory_ = std::move(factory); }

    Window* window() const { return window_; }
    // Brings the window in front of the user's other windows (where the platform can).
    void bringToFront();
    NavigationController* nav() const { return nav_; }
    HushvaultViewController* viewController() const { return viewController_; }
    ViewController* decSMSViewController() const;

    // The application is about to end (its window closed, a termination signal): tells the
    // screens, which keep what the user typed as on leaving them.
    void applicationWillTerminate();

    // The store start-up prepares; it lives as long as the delegate.
    HushvaultSqlite& shareLogSqliteData() { return store_; }

signals:
    // Every link handed to openURL, before it is accepted or ignored.
    void linkArrived(const QString& link);

private:
    void warnIfTheStoreIsUnusable();

    StorePaths paths_;
    HushvaultSqlite store_;
    MenuScreens screens_;
    ReaderFactory readerFactory_;
    Window* window_ = nullptr;
    NavigationController* nav_ = nullptr;
    HushvaultViewController* viewController_ = nullptr;
    QPointer<ViewController> decSMSViewController_;  // the newest reader
    QPointer<NavigationController> readerNav_;       // the readers' navigation, while shown
};

}  // namespace hv
