// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HushvaultViewController.h"

#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QToolButton>

#include "access/LockingRule.h"
#include "app/NewMessageButton.h"
#include "crypto/SecretLink.h"
#include "info/AboutUSViewController.h"
#include "info/USingHelpWebViewController.h"
#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "platform/NotificationNames.h"
#include "store/HushvaultSqlite.h"
#include "ui/AlertView.h"
#include "ui/FocusRing.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/Picture.h"
#include "ui/ReadableColumnLayout.h"
#include "ui/Style.h"
#include "ui/Window.h"

namespace hv {

namespace {

constexpr int kTagNewMessage = 101;
constexpr int kTagContacts = 102;
constexpr int kTagRecords = 103;

constexpr int kTileHeight = 96;
constexpr int kWideTileHeight = 48;
constexpr int kInfoButtonRightMargin = 14;
// The entries' column: as wide as a phone's on a desktop.
constexpr int kMenuWidth = 440;
// Lower than this, and at least this wide (a phone held sideways), the new-message button
// goes beside the tiles instead of above them.
constexpr int kSideBySideBelowHeight = 400;
constexpr int kSideBySideFromWidth = 560;

}  // namespace

HushvaultViewController::HushvaultViewController(StorePaths paths, MenuScreens screens,
                                                 QWidget* parent)
    : ViewController(parent), paths_(std::move(paths)), screens_(std::move(screens)) {
    setObjectName("HushvaultViewController");
}

HushvaultViewController::~HushvaultViewController() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

void HushvaultViewController::viewDidLoad() {
    buttonClicked_ = 0;
    buildMenu();
    smsSlable->hide();
    smslabel->show();
    buildNavigationBarItems();
    setTitle(localized(kKeyAppTitle));
    navigationItem()->setBackBarButtonTitle(localized(kKeyBack));
    NotificationCenter::defaultCenter().addObserver(
        this, kNotificationHidden, [this](const Notification& n) { hidesBackButton(n); });
    // A login anywhere (the reader's, the composer's) logs the user in here too.
    NotificationCenter::defaultCenter().addObserver(
        this, kNotificationLogin, [this](const Notification&) { isLogin_ = true; });
    HushvaultSqlite store(paths_.documentsDirectory());
    isLogin_ = LockingRule::isLoggedIn(store, now());
    // Coming back to the window (from another app, or from the phone's lock screen) applies
    // the locking rule again.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) lockIfThePeriodRanOut();
            });
}

void HushvaultViewController::buildMenu() {
    auto* button = new NewMessageButton;
    newMessageButton = button;
    label = button->titleLabel();
    smslabel = button->badge();
    smsSlable = button->pressedBadge();
    connect(newMessageButton, &QPushButton::pressed, this,
            [this] { newMessageBtntouchHightlighted(); });
    connect(newMessageButton, &QPushButton::released, this, [this] { newMessageBtntouchUp(); });
    connect(newMessageButton, &QPushButton::clicked, this,
            [this] { UIButtonClicked(kTagNewMessage); });

    auto makeTile = [](const char* name, const char* key, const char* icon) {
        auto* button = new QToolButton;
        button->setText(localized(key));
        button->setObjectName(name);
        button->setIcon(QIcon(QString(":/images/") + icon));
        button->setIconSize(QSize(40, 40));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // columns share alike
        button->setFixedHeight(kTileHeight);
        Style::apply(button, Style::Role::MenuTile);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    smsContractsButton = makeTile("smsContractsButton", kKeyManagement, "menu_contacts.png");
    smsMessagesButton = makeTile("smsMessagesButton", kKeyRecords, "menu_records.png");
    settingButton = makeTile("settingButton", kKeySetting, "menu_settings.png");
    help = makeTile("help", kKeyGuide, "menu_guide.png");
    // The entry for messages whose link the phone's SMS app does not let one tap: lower,
    // across both columns, its text beside the icon.
    readMessageButton = makeTile("readMessageButton", kKeyReadMessage, "menu_read.png");
    readMessageButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    readMessageButton->setIconSize(QSize(30, 30));
    readMessageButton->setFixedHeight(kWideTileHeight);
    Style::apply(readMessageButton, Style::Role::MenuWideTile);
    connect(smsContractsButton, &QToolButton::clicked, this,
            [this] { UIButtonClicked(kTagContacts); });
    connect(smsMessagesButton, &QToolButton::clicked, this,
            [this] { UIButtonClicked(kTagRecords); });
    connect(settingButton, &QToolButton::clicked, this, [this] { setting(); });
    connect(help, &QToolButton::clicked, this, [this] { usingHelp(); });
    connect(readMessageButton, &QToolButton::clicked, this, [this] { readMessage(); });

    newMessageButton->setEnabled(bool(screens_.composer));
    smsContractsButton->setEnabled(bool(screens_.contactList));
    smsMessagesButton->setEnabled(bool(screens_.records));
    settingButton->setEnabled(bool(screens_.settings));
    readMessageButton->setEnabled(bool(screens_.readText));
    layOutMenu();
    // Tab goes through the entries as they read, top left to bottom right.
    const QList<QWidget*> order{
        newMessageButton, smsContractsButton, smsMessagesButton, settingButton, help,
        readMessageButton};
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void HushvaultViewController::layOutMenu() {
    // The entries over the background picture: the big new-message button, then the other
    // four as tiles, two by two; on a low screen (a phone held sideways) side by side.
    backGroudImageView = new QLabel;
    backGroudImageView->setObjectName("backGroudImageView");
    backGroudImageView->installEventFilter(this);
    auto* column = new ReadableColumnLayout(backGroudImageView);
    menuColumn_ = column;
    column->setMaximumColumnWidth(kMenuWidth);
    // A window too low for the entries scrolls them over the background.
    auto* scroller = new QScrollArea;
    scroller->setObjectName("menuScroller");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setStyleSheet("QScrollArea, #menuEntries { background: transparent; }");
    scroller->viewport()->setAutoFillBackground(false);
    auto* entries = new QWidget;
    entries->setObjectName("menuEntries");
    scroller->setWidget(entries);
    column->addWidget(scroller);
    entriesLayout_ = new QBoxLayout(QBoxLayout::TopToBottom, entries);
    auto* layout = entriesLayout_;
    layout->setContentsMargins(20, 22, 20, 0);
    layout->setSpacing(14);
    newMessageButton->setFixedHeight(118);
    layout->addWidget(newMessageButton, 0, Qt::AlignTop);
    auto* tiles = new QGridLayout;
    tiles->setSpacing(12);
    tiles->addWidget(smsContractsButton, 0, 0);
    tiles->addWidget(smsMessagesButton, 0, 1);
    tiles->addWidget(settingButton, 1, 0);
    tiles->addWidget(help, 1, 1);
    tiles->addWidget(readMessageButton, 2, 0, 1, 2);
    tiles->setColumnStretch(0, 1);
    tiles->setColumnStretch(1, 1);
    layout->addLayout(tiles);
    layout->setAlignment(tiles, Qt::AlignTop);
    layout->addStretch(1);
    setContentView(backGroudImageView, ContentWidth::Full);
}

bool HushvaultViewController::eventFilter(QObject* watched, QEvent* event) {
    // The background keeps its proportions: cut to the screen, not stretched over it.
    if (watched == backGroudImageView && event->type() == QEvent::Paint) {
        QPainter painter(backGroudImageView);
        Picture::paintCovering(painter, backGroudImageView->rect(), ":/images/menu_background.png");
    }
    return ViewController::eventFilter(watched, event);
}

void HushvaultViewController::resizeEvent(QResizeEvent* event) {
    ViewController::resizeEvent(event);
    if (!entriesLayout_) return;
    const bool sideBySide = height() < kSideBySideBelowHeight && width() >= kSideBySideFromWidth;
    entriesLayout_->setDirection(sideBySide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    // Side by side the button and the tiles share the width; one above the other, the room
    // left below them stays empty.
    entriesLayout_->setStretch(0, sideBySide ? 5 : 0);
    entriesLayout_->setStretch(1, sideBySide ? 6 : 0);
    entriesLayout_->setStretch(2, sideBySide ? 0 : 1);
    // Side by side, the button needs the room of a phone's width for its title.
    menuColumn_->setMaximumColumnWidth(sideBySide ? Window::kReadableWidth : kMenuWidth);
}

void HushvaultViewController::readMessage() {
    if (!screens_.readText) return;
    const QString clipboard = QGuiApplication::clipboard()->text();
    if (secretTokenInText(clipboard.toStdString())) {
        screens_.readText(clipboard);
        return;
    }
    auto* ask = new AlertView(kKeyReadMessage, kKeyPasteMessage, kKeyCancel, {kKeyRead},
                              [read = screens_.readText](AlertView* alert, int index) {
                                  if (index == 1 && alert->textField())
                                      read(alert->textField()->text());
                              });
    ask->addTextField(false);
    ask->show(Window::of(this));
}

void HushvaultViewController::buildNavigationBarItems() {
    logoView = new QLabel;
    logoView->setObjectName("logoView");
    logoView->setPixmap(Picture::scaled(":/images/LOGO.png", QSize(30, 30), devicePixelRatioF()));
    logoView->setGeometry(8, 7, 30, 30);
    infoButton = new QPushButton;
    infoButton->setObjectName("infoButton");
    Style::apply(infoButton, Style::Role::MenuInfoButton);
    infoButton->setCursor(Qt::PointingHandCursor);
    infoButton->setFocusPolicy(Qt::TabFocus);
    infoButton->setAccessibleName(localized(kKeyA11yAbout));
    FocusRing::attach(infoButton, 11);
    infoButton->setGeometry(Window::kWidth - 36, 11, 22, 22);
    connect(infoButton, &QPushButton::clicked, this, [this] { about(); });
    if (NavigationController* nav = navigationController()) {
        nav->navigationBar()->addSubview(logoView);
        nav->navigationBar()->addSubview(infoButton, kInfoButtonRightMargin);
    } else {
        logoView->setParent(this);
        infoButton->setParent(this);
    }
}

void HushvaultViewController::viewWillAppear(bool) {
    smsSlable->hide();
    smslabel->show();
    logoView->show();
    infoButton->show();
    logoView->raise();
    infoButton->raise();
}

void HushvaultViewController::viewDidDisappear(bool) {
    logoView->hide();
    infoButton->hide();
    logoView->lower();
    infoButton->lower();
}

void HushvaultViewController::UIButtonClicked(int tag) {
    NavigationController* nav = navigationController();
    switch (tag) {
        case kTagNewMessage:
            if (!screens_.composer) return;
            buttonClicked_ = kTagNewMessage;
            if (nav) nav->pushViewController(screens_.composer(this), true);
            return;
        case kTagContacts: {
            if (!screens_.contactList) return;
            buttonClicked_ = kTagContacts;
            ViewController* list = screens_.contactList(this);
            list->setTitle(localized(kKeyManagement));
            if (loggedInFor(tag) && nav) {
                guarded_.append(list);
                nav->pushViewController(list, true);
            } else {
                delete list;
                login();
            }
            return;
        }
        case kTagRecords: {
            if (!screens_.records) return;
            ViewController* records = screens_.records(this);
            if (loggedInFor(tag) && nav) {
                guarded_.append(records);
                nav->pushViewController(records, true);
            } else {
                buttonClicked_ = kTagRecords;
                delete records;
                login();
            }
            return;
        }
        default:
            return;
    }
}

void HushvaultViewController::setting() {
    if (!screens_.settings) return;
    ViewController* settings = screens_.settings(this);
    settings->setTitle(localized(kKeySetting));
    if (NavigationController* nav = navigationController()) nav->pushViewController(settings, true);
    buttonClicked_ = 0;
}

void HushvaultViewController::usingHelp() {
    auto* guide = new USingHelpWebViewController;
    guide->setTitle(localized(kKeyUsingGuide));
    if (NavigationController* nav = navigationController()) nav->pushViewController(guide, true);
}

void HushvaultViewController::about() {
    ViewController* screen = screens_.about ? screens_.about(this) : new AboutUSViewController;
    presentModalViewController(new NavigationController(screen), true);
}

void HushvaultViewController::login() {
    if (!screens_.login) return;
    presentModalViewController(new NavigationController(screens_.login(this)), true);
}

void HushvaultViewController::finishedLogin(bool flag) {
    isLogin_ = flag;
    // The entry that asked opens now, whatever the locking time ("Immediately" too).
    const QScopedValueRollback resuming(resumingLogin_, flag);
    if (buttonClicked_ == kTagContacts)
        UIButtonClicked(kTagContacts);
    else if (buttonClicked_ == kTagRecords)
        UIButtonClicked(kTagRecords);
}

bool HushvaultViewController::IsLogin() const {
    // A login holds while its locking period lasts; once that has run out it is gone until
    // the next login, also when a later save of the settings starts a new period.
    if (isLogin_) {
        HushvaultSqlite store(paths_.documentsDirectory());
        isLogin_ = LockingRule::isLoggedIn(store, now());
    }
    return isLogin_;
}

bool HushvaultViewController::loggedInFor(int tag) const {
    return (resumingLogin_ && buttonClicked_ == tag) || IsLogin();
}

void HushvaultViewController::lockIfThePeriodRanOut() {
    if (IsLogin()) return;
    // The guarded screens still open go; the menu shows, and asks for a login again.
    NavigationController* nav = navigationController();
    guarded_.removeAll(nullptr);
    if (!nav) return;
    for (ViewController* screen : nav->viewControllers())
        if (guarded_.contains(screen)) {
            nav->popToRootViewControllerAnimated(false);
            return;
        }
}

void HushvaultViewController::logout() {
    isLogin_ = false;
    viewWillAppear(false);
}

void HushvaultViewController::hidesBackButton(const Notification& notification) {
    navigationItem()->setHidesBackButton(notification.object.toString() == "YES");
}

void HushvaultViewController::newMessageBtntouchHightlighted() {
    smsSlable->show();
    smslabel->hide();
}

void HushvaultViewController::newMessageBtntouchUp() {
    smsSlable->hide();
    smslabel->show();
}

}  // namespace hv
