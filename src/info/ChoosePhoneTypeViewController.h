#pragma once

#include <QPointer>

#include "ui/ViewController.h"

namespace hv {

class GroupedTableView;
class PhoneTypeReceiver;

// Asks whether the friend's phone runs Hushvault: row 0 "cell" (no: web link), row 1
// "iphone" (yes: application link). A choice tells the composer and returns to it;
// "Back" leaves its setting as it was. Rows are taller in English, whose subtitles wrap
// to three lines (two in Chinese).
class ChoosePhoneTypeViewController : public ViewController {
    Q_OBJECT
public:
    explicit ChoosePhoneTypeViewController(QWidget* parent = nullptr);

    // The screen to call back; a QObject that implements PhoneTypeReceiver, not owned.
    void setMessViewController(QObject* receiver);
    void chooseRow(int row);

    static int rowHeight(const QString& international);
    static int subtitleLines(const QString& international);

protected:
    void viewDidLoad() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<QObject> messViewController_;
    GroupedTableView* table_ = nullptr;
};

}  // namespace hv
