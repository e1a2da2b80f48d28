// Renders every screen of the application, in each shipped language, to PNG files named
// <screen class>-<language>.png:   hv_screenshots OUTPUT_DIRECTORY
// Runs headless (QT_QPA_PLATFORM=offscreen) on a scratch documents directory.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "ContactShots.h"
#include "Shoot.h"
#include "access/SettingViewFirstController.h"
#include "addressbook/VCardAddressBook.h"
#include "app/AppScreens.h"
#include "app/HushvaultAppDelegate.h"
#include "app/HushvaultViewController.h"
#include "crypto/SecretToken.h"
#include "info/AboutUSViewController.h"
#include "info/ChoosePhoneTypeViewController.h"
#include "info/PresetPassWordViewController.h"
#include "messaging/ManageHiddenMSGController.h"
#include "messaging/MessageDraft.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "sms/OutboxSmsService.h"
#include "store/HushvaultSqlite.h"
#include "store/StorePaths.h"
#include "ui/AlertView.h"
#include "ui/GrowingTextView.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

namespace {

// The records screen: empty, with both kinds of bubble and a long text, and editing.
bool shootRecords(hv::HushvaultAppDelegate& delegate, const QDir& out, const QString& language,
                  const hv::StorePaths& paths) {
    hv::HushvaultSqlite store(paths.documentsDirectory());
    store.clearAllSMS();
    hv::Window* window = delegate.window();
    delegate.viewController()->UIButtonClicked(103);
    bool ok = shoot(window, out, "ManageHiddenMSGController-empty", language);
    delegate.nav()->popToRootViewControllerAnimated(false);

    const bool english = language == "en";
    store.addSMS("13800138000",
                 english ? "See you at the north gate at eight." : "今晚八点北门见。",
                 "2026-12-06 07:30:12", "2");
    store.addSMS(
        "",
        (hv::localized("The decrypted message") + ":\n" +
         (english ? QString("Bring the blue notebook. The meeting moved to Thursday, "
                            "same room, same time; tell nobody else.")
                  : QString::fromUtf8("带上蓝色笔记本。会议改到星期四，同一房间，同一时间；"
                                      "别告诉其他人。")))
            .toStdString(),
        "2026-12-06 08:02:45", "3");
    delegate.viewController()->UIButtonClicked(103);
    ok &= shoot(window, out, "ManageHiddenMSGController", language);
    auto* records =
        static_cast<hv::ManageHiddenMSGController*>(delegate.nav()->topViewController());
    records->setEditing(true, false);
    ok &= shoot(window, out, "ManageHiddenMSGController-editing", language);
    delegate.nav()->popToRootViewControllerAnimated(false);
    store.clearAllSMS();
    return ok;
}

// The reader of a link: the token, the password query, the message read.
bool shootReader(hv::HushvaultAppDelegate& delegate, const QDir& out, const QString& language) {
    const std::string text =
        language == "en" ? "See you at the north gate at eight." : "今晚八点北门见。";
    delegate.openURL(QString::fromStdString("hiddenmsg://" + hv::GenEncURL(text, "tea", true)));
    hv::Window* window = delegate.window();
    bool ok = shoot(window, out, "SMSReadViewController", language);
    auto* reader = delegate.decSMSViewController();
    if (auto* button = reader->findChild<QPushButton*>("desButton")) button->click();
    ok &= shoot(window, out, "ModalAlert", language);
    if (hv::AlertView* query = hv::AlertView::visibleAlerts().value(0)) {
        query->textField()->setText("tea");
        query->dismissWithClickedButtonIndex(1);
    }
    ok &= shoot(window, out, "SMSReadViewController-read", language);
    return ok;
}

bool shootLanguage(const QString& language, const QDir& out, const hv::StorePaths& paths,
                   const hv::AddressBook& book) {
    hv::Localization::install(language);
    hv::OutboxSmsService sms(paths.documentsDirectory());
    hv::HushvaultAppDelegate delegate(paths, hv::makeMenuScreens(paths, &sms, book));
    delegate.setReaderFactory(hv::makeReaderFactory(paths, &sms, book));
    delegate.didFinishLaunchingWithOptions();
    hv::Window* window = delegate.window();
    hv::HushvaultViewController* menu = delegate.viewController();
    bool ok = shoot(window, out, "HushvaultViewController", language);

    menu->usingHelp();
    ok &= shoot(window, out, "USingHelpWebViewController", language);
    delegate.nav()->popViewControllerAnimated(false);

    delegate.nav()->pushViewController(new hv::PresetPassWordViewController, false);
    ok &= shoot(window, out, "PresetPassWordViewController", language);
    delegate.nav()->popViewControllerAnimated(false);

    menu->UIButtonClicked(101);
    auto* composer = delegate.nav()->topViewController();
    if (auto* field = composer->findChild<QLineEdit*>("personTextField"))
        field->setText("+86 138 0013 8000");
    if (auto* field = composer->findChild<QLineEdit*>("passTextField")) field->setText("tea");
    if (auto* text = composer->findChild<hv::GrowingTextView*>("textView"))
        text->setText(QString::fromUtf8(language == "en" ? "See you at the north gate at eight."
                                                         : "今晚八点北门见。"));
    ok &= shoot(window, out, "CreatNewMessageViewContrller", language);

    auto* chooser = new hv::ChoosePhoneTypeViewController;
    chooser->setTitle(hv::localized("Mobi Type"));
    delegate.nav()->pushViewController(chooser, false);
    ok &= shoot(window, out, "ChoosePhoneTypeViewController", language);
    delegate.nav()->popToRootViewControllerAnimated(false);
    hv::MessageDraft::remove(paths.temporaryDirectory());

    menu->setting();
    ok &= shoot(window, out, "SettingViewFirstController", language);
    auto* settings =
        static_cast<hv::SettingViewFirstController*>(delegate.nav()->topViewController());
    settings->selectRow(0);
    ok &= shoot(window, out, "SettingViewController", language);
    delegate.nav()->popViewControllerAnimated(false);
    menu->setIsLogin(true);
    settings->selectRow(1);
    ok &= shoot(window, out, "ChooseTimeLockViewController", language);
    delegate.nav()->popToRootViewControllerAnimated(false);

    menu->login();
    ok &= shoot(window, out, "LoginViewController", language);
    menu->dismissModalViewController(false);

    menu->about();
    ok &= shoot(window, out, "AboutUSViewController", language);
    menu->dismissModalViewController(false);

    ok &= shootRecords(delegate, out, language, paths);
    ok &= shootContacts(delegate, book, out, language, paths);
    ok &= shootReader(delegate, out, language);  // last: the reader stays for the run
    return ok;
}

// One sheet per screen with its languages side by side, to look at them together:
// <output>/sheets/<screen>.png.
bool drawSheets(const QDir& out) {
    QDir sheets(out.filePath("sheets"));
    sheets.mkpath(".");
    const QStringList languages = hv::Localization::shippedLanguages();
    QStringList screens;
    for (const QString& file : out.entryList({"*-" + languages.first() + ".png"}, QDir::Files))
        screens.append(file.chopped(languages.first().size() + 5));
    bool ok = true;
    for (const QString& screen : screens) {
        QList<QImage> shots;
        for (const QString& language : languages)
            shots.append(QImage(out.filePath(screen + "-" + language + ".png")));
        const int gap = 12;
        QImage sheet(shots[0].width() * int(shots.size()) + gap * int(shots.size() - 1),
                     shots[0].height(), QImage::Format_RGB32);
        sheet.fill(Qt::darkGray);
        QPainter painter(&sheet);
        for (int i = 0; i < shots.size(); ++i)
            painter.drawImage(i * (shots[0].width() + gap), 0, shots[i]);
        painter.end();
        ok &= sheet.save(sheets.filePath(screen + ".png"));
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: hv_screenshots OUTPUT_DIRECTORY\n", stderr);
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(".");
    QTemporaryDir scratch;
    const auto paths = hv::StorePaths::inDirectory(scratch.path().toStdString());
    writeSampleAddressBook(scratch.filePath("vcards"));
    const hv::VCardAddressBook book(scratch.filePath("vcards").toStdString());
    bool ok = true;
    for (const QString& language : hv::Localization::shippedLanguages())
        ok &= shootLanguage(language, out, paths, book);
    ok &= drawSheets(out);
    return ok ? 0 : 1;
}
