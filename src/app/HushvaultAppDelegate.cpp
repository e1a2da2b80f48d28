// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HushvaultAppDelegate.h"

#include <QGuiApplication>

#include "Version.h"
#include "app/HushvaultViewController.h"
#include "app/LinkAcceptance.h"
#include "crypto/SecretLink.h"
#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "platform/Logging.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "store/HushvaultSqlite.h"
#include "store/StartupSequence.h"
#include "ui/AlertView.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

namespace hv {

HushvaultAppDelegate::HushvaultAppDelegate(StorePaths paths, MenuScreens screens, QObject* parent)
    : QObject(parent),
      paths_(std::move(paths)),
      store_(paths_.documentsDirectory()),
      screens_(std::move(screens)) {}

HushvaultAppDelegate::~HushvaultAppDelegate() {
    delete window_;
}

bool HushvaultAppDelegate::didFinishLaunchingWithOptions(bool showWindow) {
    StartupSequence::run(shareLogSqliteData(), kHushvaultVersion, now());
    NavigationBar::setDefaultBackgroundImage(":/images/tabNavigation_cg.png");
    window_ = new Window;
    connect(window_, &Window::textDropped, this, &HushvaultAppDelegate::readText);
    screens_.readText = [this](const QString& text) { return readText(text); };
    viewController_ = new HushvaultViewController(paths_, screens_);
    nav_ = new NavigationController(viewController_);
    window_->setRootViewController(nav_);
    connect(window_, &Window::closing, this, &HushvaultAppDelegate::applicationWillTerminate);
    if (showWindow) {
        window_->show();
        bringToFront();
    }
    warnIfTheStoreIsUnusable();
    return true;
}

ViewController* HushvaultAppDelegate::decSMSViewController() const {
    return decSMSViewController_;
}

void HushvaultAppDelegate::warnIfTheStoreIsUnusable() {
    // Store failures are silent by design; a store that fails at start-up fails for every
    // screen, and the user would believe that changes are kept.
    store_.findAllNewSMS();
    if (store_.lastError().empty()) return;
    qCWarning(lcApp) << "the database cannot be used:" << store_.lastError().c_str();
    auto* alert = new AlertView(kKeyWarning, nullptr, kKeySure, {});
    alert->setMessageText(
        localized(kKeyDatabaseError).arg(QString::fromStdString(store_.dataBasePath())));
    alert->show(window_);
}

bool HushvaultAppDelegate::openURL(const QString& link) {
    return openMessage(link, QString());
}

bool HushvaultAppDelegate::openMessage(const QString& link, const QString& sender) {
    emit linkArrived(link);
    if (!window_ || !LinkAcceptance::accepts(link)) {
        qCInfo(lcApp) << "a link was ignored";
        // The user tapped a link for Hushvault: at least show what is open.
        bringToFront();
        return true;
    }
    if (!readerFactory_) return true;
    qCInfo(lcApp) << "a link opens the reader";
    decSMSViewController_ = readerFactory_(link, sender);
    if (readerNav_ && window_->topController() == readerNav_) {
        readerNav_->pushViewController(decSMSViewController_, true);
    } else {
        readerNav_ = new NavigationController(decSMSViewController_);
        window_->presentController(readerNav_, true);
    }
    bringToFront();
    return true;
}

bool HushvaultAppDelegate::readText(const QString& text) {
    const auto token = secretTokenInText(text.toStdString());
    if (!token) {
        (new AlertView(kKeyReadMessage, kKeyNoSecretMessage, kKeySure, {}))->show(window_);
        return false;
    }
    const QString link =
        QString::fromLatin1(SECRETOPENURL.data(), qsizetype(SECRETOPENURL.size())) +
        QString::fromStdString(*token);
    openURL(link);
    return true;
}

void HushvaultAppDelegate::applicationWillTerminate() {
    qCInfo(lcApp) << "the application is ending";
    NotificationCenter::defaultCenter().postNotification(kNotificationWillTerminate);
}

void HushvaultAppDelegate::bringToFront() {
    // Headless platforms have no windows to order and complain when asked.
    if (!window_ || QGuiApplication::platformName() == "offscreen") return;
    window_->raise();
    window_->activateWindow();
}

}  // namespace hv
