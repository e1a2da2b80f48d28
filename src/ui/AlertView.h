// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;
class QLabel;

namespace hv {

// An alert inside the window: title, message, a cancel button (index 0) and other
// buttons (1, 2, ...), optionally a text field. It never blocks: a tap on a button
// closes it and reports the button's index to the callback. Texts are localisation keys.
// While shown it has the keyboard (see AlertKeyboardGuard) and covers the window, so
// nothing under it can be triggered; the focus goes back where it was when it closes.
class AlertView : public QWidget {
    Q_OBJECT
public:
    using Callback = std::function<void(AlertView* alert, int buttonIndex)>;

    AlertView(const char* titleKey, const char* messageKey, const char* cancelKey,
              const QList<const char*>& otherKeys, Callback callback = {});

    // The index the cancel button reports, or -1 when there is none.
    int cancelButtonIndex() const { return cancelIndex_; }

    // Texts given as they are, for messages composed at run time.
    void setTitleText(const QString& text);
    void setMessageText(const QString& text);

    void setTag(int tag) { tag_ = tag; }
    int tag() const { return tag_; }

    // Adds a text field under the message; secure entry hides what is typed.
    QLineEdit* addTextField(bool secure);
    QLineEdit* textField() const { return field_; }

    // Adds a widget of the caller's (a spinner) under the message.
    void addContentWidget(QWidget* widget);
    // The box that holds the texts and buttons, for moving it out of a keyboard's way.
    QWidget* box() const { return box_; }

    // Shows the alert over the given window (or the current one); it deletes itself once
    // it is dismissed.
    void show(class Window* window = nullptr);
    // Closes as if the button had been tapped (the callback runs).
    void dismissWithClickedButtonIndex(int index);
    // Closes without a button: the callback does not run.
    void dismiss();
    // Enter: taps the button picked with Up or Down, else the only button other than
    // cancel (or the only button there is).
    void tapDefaultButton();
    // Up and Down: pick the next or previous button, for Enter to tap.
    void focusNextButton(bool forward);
    // Tab and Backtab: the keyboard goes round the text field and the buttons.
    void focusNextControl(bool forward);
    // Escape: taps the cancel button, or the only button of an alert that has one.
    void tapCancelButton();

    QString titleText() const;
    QString messageText() const;
    QStringList buttonTitles() const;

    // Alerts on screen, oldest first, for tests and for whoever needs to close them.
    static QList<AlertView*> visibleAlerts();

protected:
    // Centred: a box in the middle, buttons side by side, cancel first (index 0).
    // Sheet: a box at the bottom, buttons stacked, cancel last (after the others).
    enum class Layout { Centred, Sheet };
    AlertView(Layout layout, const char* titleKey, const char* messageKey, const char* cancelKey,
              const QList<const char*>& otherKeys, Callback callback);

    void paintEvent(QPaintEvent* event) override;

private:
    void placeBox();
    // Names the alert for assistive technology after its texts.
    void describe();

    QWidget* box_;
    QLabel* title_;
    QLabel* message_;
    QLineEdit* field_ = nullptr;
    QList<QPushButton*> buttons_;
    Callback callback_;
    QPointer<QWidget> focusBefore_;
    Layout layout_;
    int cancelIndex_ = -1;
    int tag_ = 0;
    bool dismissed_ = false;
};

}  // namespace hv
