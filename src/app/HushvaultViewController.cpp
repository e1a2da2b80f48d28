#include "app/HushvaultViewController.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "access/LockingRule.h"
#include "info/AboutUSViewController.h"
#include "info/USingHelpWebViewController.h"
#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "platform/NotificationNames.h"
#include "store/HushvaultSqlite.h"
#include "ui/FocusRing.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

namespace hv {

namespace {

constexpr int kTagNewMessage = 101;
constexpr int kTagContacts = 102;
constexpr int kTagRecords = 103;

constexpr const char* kTileStyle =
    "QToolButton { color: #1c2a44; font-size: 14px; font-weight: bold; border: 1px solid #d3dae6;"
    " border-radius: 12px; background: rgba(255,255,255,235); padding: 14px 4px 10px 4px; }"
    "QToolButton:pressed { background: #dfe8f7; }"
    "QToolButton:focus { border: 2px solid #2f6fd6; }"
    "QToolButton:disabled { color: #a0a8b8; background: rgba(240,242,246,200); }";

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
    HushvaultSqlite store(paths_.documentsDirectory());
    isLogin_ = LockingRule::isLoggedIn(store, now());
}

void HushvaultViewController::buildMenu() {
    backGroudImageView = new QLabel(this);
    backGroudImageView->setObjectName("backGroudImageView");
    backGroudImageView->setPixmap(QPixmap(":/images/menu_background.png"));
    backGroudImageView->setScaledContents(true);

    newMessageButton = new QPushButton(this);
    newMessageButton->setObjectName("newMessageButton");
    newMessageButton->setStyleSheet(
        "QPushButton { border: none; border-image: url(:/images/menu_new_message.png) 0 0 0 0 "
        "stretch stretch; }"
        "QPushButton:pressed { border-image: url(:/images/menu_new_message_pressed.png) 0 0 0 0 "
        "stretch stretch; }"
        "QPushButton:disabled { border-image: url(:/images/menu_new_message_disabled.png) 0 0 0 0 "
        "stretch stretch; }");
    label = new QLabel(localized(kKeyNewMessage), newMessageButton);
    label->setObjectName("label");
    label->setStyleSheet("color: white; background: transparent;");
    QFont labelFont = label->font();
    labelFont.setBold(true);
    label->setFont(labelFont);
    smslabel = new QLabel(localized(kKeySms), newMessageButton);
    smslabel->setObjectName("smslabel");
    smsSlable = new QLabel(localized(kKeySms), newMessageButton);
    smsSlable->setObjectName("smsSlable");
    smslabel->setStyleSheet(
        "color: #2f6fd6; background: white; border-radius: 8px; padding: 2px 8px;"
        " font-size: 12px; font-weight: bold;");
    smsSlable->setStyleSheet(
        "color: white; background: #1d4f9e; border-radius: 8px; padding: 2px 8px;"
        " font-size: 12px; font-weight: bold;");
    for (QLabel* l : {label, smslabel, smsSlable})
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(newMessageButton, &QPushButton::pressed, this,
            [this] { newMessageBtntouchHightlighted(); });
    connect(newMessageButton, &QPushButton::released, this, [this] { newMessageBtntouchUp(); });
    connect(newMessageButton, &QPushButton::clicked, this,
            [this] { UIButtonClicked(kTagNewMessage); });

    auto makeTile = [this](const char* name, const char* key, const char* icon) {
        auto* button = new QToolButton(this);
        button->setText(localized(key));
        button->setObjectName(name);
        button->setIcon(QIcon(QString(":/images/") + icon));
        button->setIconSize(QSize(40, 40));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setStyleSheet(kTileStyle);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    smsContractsButton = makeTile("smsContractsButton", kKeyManagement, "menu_contacts.png");
    smsMessagesButton = makeTile("smsMessagesButton", kKeyRecords, "menu_records.png");
    settingButton = makeTile("settingButton", kKeySetting, "menu_settings.png");
    help = makeTile("help", kKeyGuide, "menu_guide.png");
    connect(smsContractsButton, &QToolButton::clicked, this,
            [this] { UIButtonClicked(kTagContacts); });
    connect(smsMessagesButton, &QToolButton::clicked, this,
            [this] { UIButtonClicked(kTagRecords); });
    connect(settingButton, &QToolButton::clicked, this, [this] { setting(); });
    connect(help, &QToolButton::clicked, this, [this] { usingHelp(); });

    newMessageButton->setEnabled(bool(screens_.composer));
    smsContractsButton->setEnabled(bool(screens_.contactList));
    smsMessagesButton->setEnabled(bool(screens_.records));
    settingButton->setEnabled(bool(screens_.settings));
    newMessageButton->setCursor(Qt::PointingHandCursor);
    FocusRing::attach(newMessageButton, 14);
    // Tab goes through the entries as they read, top left to bottom right.
    const QList<QWidget*> order{newMessageButton, smsContractsButton, smsMessagesButton,
                                settingButton, help};
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    resizeEvent(nullptr);
}

void HushvaultViewController::buildNavigationBarItems() {
    logoView = new QLabel;
    logoView->setObjectName("logoView");
    logoView->setPixmap(
        QPixmap(":/images/LOGO.png").scaled(30, 30, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    logoView->setGeometry(8, 7, 30, 30);
    infoButton = new QPushButton;
    infoButton->setObjectName("infoButton");
    infoButton->setStyleSheet(
        "QPushButton { border: none; border-image: url(:/images/a6.png) 0 0 0 0 stretch stretch; }"
        "QPushButton:pressed { border-image: url(:/images/a6-S.png) 0 0 0 0 stretch stretch; }");
    infoButton->setCursor(Qt::PointingHandCursor);
    infoButton->setFocusPolicy(Qt::TabFocus);
    FocusRing::attach(infoButton, 11);
    infoButton->setGeometry(Window::kWidth - 36, 11, 22, 22);
    connect(infoButton, &QPushButton::clicked, this, [this] { about(); });
    if (NavigationController* nav = navigationController()) {
        nav->navigationBar()->addSubview(logoView);
        nav->navigationBar()->addSubview(infoButton);
    } else {
        logoView->setParent(this);
        infoButton->setParent(this);
    }
}

void HushvaultViewController::resizeEvent(QResizeEvent*) {
    if (!backGroudImageView) return;
    backGroudImageView->setGeometry(rect());
    const int margin = 20;
    const int gap = 12;
    const int w = width() - 2 * margin;
    newMessageButton->setGeometry(margin, 22, w, 118);
    // The label keeps clear of the envelope on the right of the button, in a smaller
    // font when a language's words are long.
    const int labelWidth = w - 40 - 82;
    label->setGeometry(20, 62, labelWidth, 36);
    QFont font = label->font();
    for (int size = 22; size >= 15; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= labelWidth) break;
    }
    label->setFont(font);
    for (QLabel* badge : {smslabel, smsSlable}) {
        badge->ensurePolished();  // the padding of its style sheet counts in its size
        badge->adjustSize();
        badge->move(20, 30);
    }
    const int tileW = (w - gap) / 2;
    const int tileH = 104;
    const int top = 22 + 118 + 18;
    smsContractsButton->setGeometry(margin, top, tileW, tileH);
    smsMessagesButton->setGeometry(margin + tileW + gap, top, tileW, tileH);
    settingButton->setGeometry(margin, top + tileH + gap, tileW, tileH);
    help->setGeometry(margin + tileW + gap, top + tileH + gap, tileW, tileH);
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
            if (isLogin_ && nav) {
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
            if (isLogin_ && nav) {
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
    presentModalViewController(new NavigationController(new AboutUSViewController), true);
}

void HushvaultViewController::login() {
    if (!screens_.login) return;
    presentModalViewController(new NavigationController(screens_.login(this)), true);
}

void HushvaultViewController::finishedLogin(bool flag) {
    isLogin_ = flag;
    if (buttonClicked_ == kTagContacts)
        UIButtonClicked(kTagContacts);
    else if (buttonClicked_ == kTagRecords)
        UIButtonClicked(kTagRecords);
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
