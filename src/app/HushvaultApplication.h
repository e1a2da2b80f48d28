// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <memory>

#include "app/LaunchOptions.h"
#include "store/StorePaths.h"

class QTextStream;

namespace hv {

class AddressBook;
class HushvaultAppDelegate;
class IncomingMessageWatcher;
class Notifier;
class SecretMessageNotices;
class SingleInstance;
class SmsService;
class TerminationSignals;

// The application as main() runs it: the profile's paths, the language, the chosen SMS
// service reporting to the telephony centre, the hand-off of links between starts, the
// delegate with the real screens, notices of secret messages the modem receives, and an
// orderly end when the session or the phone's shell ends it (SIGTERM, SIGHUP, SIGINT): the
// screens keep what was typed, then the application quits. Started in the background, it
// shows no window until a notice is opened or Hushvault is started again, and closing the
// window leaves it watching. Journey tests assemble it exactly the same way.
// Lives on the UI thread, after the QApplication is made.
class HushvaultApplication : public QObject {
    Q_OBJECT
public:
    explicit HushvaultApplication(const LaunchOptions& options, QObject* parent = nullptr);
    ~HushvaultApplication() override;

    enum class Outcome { Started, Forwarded };
    // Becomes the running instance, shows the window and opens the command line's link; or,
    // when another Hushvault of the same profile runs, hands the link to it (Forwarded).
    // Problems that do not stop the start are written to err.
    Outcome start(QTextStream& err);

    const StorePaths& paths() const { return paths_; }
    HushvaultAppDelegate* delegate() const { return delegate_.get(); }
    SmsService& smsService() const { return *sms_; }
    // Shows the window (started in the background it has none yet) in front.
    void showWindow();

private:
    // Notices of secret messages the modem receives.
    void watchIncomingMessages();

    LaunchOptions options_;
    StorePaths paths_;
    std::unique_ptr<SmsService> sms_;
    std::unique_ptr<AddressBook> addressBook_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<HushvaultAppDelegate> delegate_;
    std::unique_ptr<TerminationSignals> termination_;
    std::unique_ptr<IncomingMessageWatcher> incoming_;
    std::unique_ptr<Notifier> notifier_;
    std::unique_ptr<SecretMessageNotices> notices_;
};

}  // namespace hv
