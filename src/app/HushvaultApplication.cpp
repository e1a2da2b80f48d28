// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HushvaultApplication.h"

#include <QGuiApplication>
#include <QTextStream>

#include "addressbook/AddressBookLocation.h"
#include "addressbook/VCardAddressBook.h"
#include "app/AppScreens.h"
#include "app/HushvaultAppDelegate.h"
#include "app/HushvaultViewController.h"
#include "app/SecretMessageNotices.h"
#include "platform/DesktopNotifier.h"
#include "platform/EnvironmentBus.h"
#include "platform/IncomingMessageWatcher.h"
#include "platform/Localization.h"
#include "platform/PhoneShell.h"
#include "platform/SingleInstance.h"
#include "platform/SmsServiceChoice.h"
#include "platform/TelephonyCenter.h"
#include "platform/TerminationSignals.h"
#include "sms/SmsService.h"
#include "ui/Window.h"

namespace hv {

HushvaultApplication::HushvaultApplication(const LaunchOptions& options, QObject* parent)
    : QObject(parent), options_(options), paths_(options.paths) {}

HushvaultApplication::~HushvaultApplication() {
    notices_.reset();
    termination_.reset();
    delegate_.reset();  // the screens go before the service they send through
    if (sms_) sms_->setReportSink({});
}

HushvaultApplication::Outcome HushvaultApplication::start(QTextStream& err) {
    instance_ =
        std::make_unique<SingleInstance>(QString::fromStdString(paths_.documentsDirectory()));
    switch (instance_->claim(options_.link)) {
        case SingleInstance::Role::Forwarded:
            if (instance_->linkTooLong())
                err << "hushvault: the link is too long to be a message; it was not opened\n";
            return Outcome::Forwarded;
        case SingleInstance::Role::Failed:
            err << "hushvault: another Hushvault seems to run but did not answer; starting "
                   "anyway\n";
            break;
        case SingleInstance::Role::Primary:
            break;
    }

    Localization::install(Localization::chooseLanguage(options_.language));
    // Made without waiting: its look-ups answer while the window shows.
    sms_ = SmsServiceChoice::make(options_.sms, paths_);
    if (!sms_) {  // options that did not come through LaunchOptions::parse
        err << "hushvault: unknown SMS service \"" << options_.sms << "\"; using the Outbox\n";
        sms_ = SmsServiceChoice::make("outbox", paths_);
    }
    TelephonyCenter::defaultCenter().connectService(*sms_);
    addressBook_ = std::make_unique<VCardAddressBook>(
        AddressBookLocation::folder(options_.contactsDirectory, paths_.documentsDirectory()));
    delegate_ = std::make_unique<HushvaultAppDelegate>(
        paths_, makeMenuScreens(paths_, sms_.get(), *addressBook_));
    delegate_->setReaderFactory(
        makeReaderFactory(paths_, sms_.get(), *addressBook_, [delegate = delegate_.get()] {
            return delegate->viewController() && delegate->viewController()->IsLogin();
        }));
    delegate_->didFinishLaunchingWithOptions(!options_.background);
    if (options_.background)
        QGuiApplication::setQuitOnLastWindowClosed(false);
    else
        delegate_->window()->showOnDevice(PhoneShell::detected());
    // Connecting to the buses waits on them: it waits for the event loop, after the window
    // is built and shown.
    QMetaObject::invokeMethod(this, &HushvaultApplication::watchIncomingMessages,
                              Qt::QueuedConnection);
    termination_ = std::make_unique<TerminationSignals>();
    connect(termination_.get(), &TerminationSignals::received, delegate_.get(), [this] {
        delegate_->applicationWillTerminate();
        QCoreApplication::quit();
    });
    // A link from a later start opens the reader, or at least shows the window.
    connect(instance_.get(), &SingleInstance::linkReceived, this, [this](const QString& link) {
        showWindow();
        delegate_->openURL(link);
    });
    // The command line's link, once the window is up and the event loop runs.
    if (!options_.link.isEmpty())
        QMetaObject::invokeMethod(
            delegate_.get(),
            [delegate = delegate_.get(), link = options_.link] { delegate->openURL(link); },
            Qt::QueuedConnection);
    return Outcome::Started;
}

void HushvaultApplication::showWindow() {
    Window* window = delegate_ ? delegate_->window() : nullptr;
    if (!window) return;
    if (!window->isVisible()) window->showOnDevice(PhoneShell::detected());
    delegate_->bringToFront();
}

void HushvaultApplication::watchIncomingMessages() {
    incoming_ = std::make_unique<IncomingMessageWatcher>(EnvironmentBus::system());
    notifier_ = std::make_unique<DesktopNotifier>(EnvironmentBus::session());
    notices_ = std::make_unique<SecretMessageNotices>(
        paths_, *incoming_, *notifier_, [this](const QString& link, const QString& sender) {
            showWindow();
            delegate_->openMessage(link, sender);
        });
}

}  // namespace hv
