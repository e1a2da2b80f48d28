// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace hv {

// The owner of a passcode pad: it judges a submitted passcode and answers with a code
// of PassCodeResult.h.
class PassWordViewDelegate {
public:
    virtual ~PassWordViewDelegate() = default;
    virtual int checkPassWordWithstring(const QString& passcode) = 0;
};

// The full-screen passcode pad: a status line and one masked numeric input line over the
// background picture. Submitting (setFieldWithNumber) hands the typed text to the owner
// once it has at least 4 characters and shows the message of the owner's code; some
// codes empty the input half a second later, unless the user has begun typing again. A touch on the
// pad shows or hides the keyboard; Enter submits like the owner's bar button.
class PassWordView : public QWidget {
    Q_OBJECT
public:
    explicit PassWordView(QWidget* parent = nullptr);

    void setDelegate(PassWordViewDelegate* delegate) { delegate_ = delegate; }
    PassWordViewDelegate* delegate() const { return delegate_; }

    void setFieldWithNumber();
    void cleanField();
    void setIsFirstResponder(bool flag);
    bool isFirstResponder() const { return isFirstResponder_; }

    QLineEdit* lineTextField() const { return lineTextField_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showResult(int code);
    // The places the pad's layout fixes: the status line at (0, 50), 20 high (taller for a
    // long message, see fitStatusLine), and the input line of 240 x 40 at (40, 80).
    void layOutPad();
    void fitStatusLine();

    QLineEdit* lineTextField_ = nullptr;
    QLabel* countLabel_ = nullptr;

    PassWordViewDelegate* delegate_ = nullptr;
    bool isFirstResponder_ = false;
    int submissions_ = 0;        // a stale emptying (of an earlier submission) is skipped
    bool cleanPending_ = false;  // the submitted text waits to be emptied
};

}  // namespace hv
