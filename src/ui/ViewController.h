// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/NavigationItem.h"

namespace hv {

class NavigationController;

// One screen. Its lifecycle hooks run synchronously when a container shows or hides it:
// viewDidLoad once before the first appearance, then viewWillAppear/viewDidAppear and
// viewWillDisappear/viewDidDisappear around every change. Screens present others
// modally over the whole window and dismiss them again.
class ViewController : public QWidget {
    Q_OBJECT
public:
    explicit ViewController(QWidget* parent = nullptr);
    ~ViewController() override;

    QString title() const { return navigationItem_->title(); }
    // The screen's title, on the navigation bar and for screen readers.
    void setTitle(const QString& title) {
        navigationItem_->setTitle(title);
        setAccessibleName(title);
    }
    NavigationItem* navigationItem() const { return navigationItem_; }

    // The container this screen was pushed on, or null.
    NavigationController* navigationController() const { return navigationController_; }

    // How wide the content view is: the whole screen (a picture, a pad), or no wider than
    // reads well, centred on a wide screen (text, lists, forms).
    enum class ContentWidth { Readable, Full };

    // The widget that fills the screen (a table, a web view, a pad), laid out with it;
    // ownership is taken and an earlier one is deleted. Widgets a screen places itself go
    // on top of it.
    void setContentView(QWidget* view, ContentWidth width = ContentWidth::Readable);
    QWidget* contentView() const { return contentView_; }

    void loadViewIfNeeded();
    bool isViewLoaded() const { return loaded_; }
    bool isVisibleScreen() const { return appeared_; }

    // Shows vc over the whole window (taking ownership) and hides what was visible.
    void presentModalViewController(ViewController* vc, bool animated);
    // Dismisses what this screen presented; called on a presented screen (or a screen
    // inside a presented container), dismisses that presentation.
    void dismissModalViewController(bool animated);
    ViewController* modalViewController() const { return presented_; }
    ViewController* presentingViewController() const { return presenting_; }

    // Called by containers; each runs the matching hook and forwards to children.
    void beginAppearance(bool animated);
    void endAppearance(bool animated);
    void beginDisappearance(bool animated);
    void endDisappearance(bool animated);

    // Asked before the back button (or Escape) takes this screen away: false keeps it, and
    // the screen goes itself once it has asked what it needs to.
    virtual bool shouldGoBack() { return true; }

    // Called by containers around covering this screen with another: the keyboard goes
    // back to where it was in this screen when it shows again.
    void rememberFocus();
    void restoreFocus();

protected:
    // Enter on a focused button of the screen taps it, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool /*animated*/) {}
    virtual void viewDidAppear(bool /*animated*/) {}
    virtual void viewWillDisappear(bool /*animated*/) {}
    virtual void viewDidDisappear(bool /*animated*/) {}

private:
    friend class NavigationController;

    NavigationItem* navigationItem_;
    NavigationController* navigationController_ = nullptr;
    QPointer<ViewController> presented_;
    QPointer<ViewController> presenting_;
    QPointer<QWidget> focusWhenCovered_;
    QPointer<QWidget> contentView_;
    bool loaded_ = false;
    bool appeared_ = false;
};

}  // namespace hv
