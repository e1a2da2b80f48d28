// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

#include "ui/ViewController.h"

namespace hv {

class NavigationBar;

// A stack of screens under a navigation bar; only the top screen shows. The bar shows the
// top screen's title and bar buttons, and a back button titled with the previous screen's
// back title (or its title) unless the top screen hides it. Owns the screens it holds.
// Lifecycle hooks fire synchronously; animation is visual only and left out.
class NavigationController : public ViewController {
    Q_OBJECT
public:
    explicit NavigationController(ViewController* root, QWidget* parent = nullptr);

    void pushViewController(ViewController* vc, bool animated);
    // The popped screen is deleted once it has disappeared; returns false at the root.
    bool popViewControllerAnimated(bool animated);
    void popToViewController(ViewController* vc, bool animated);
    void popToRootViewControllerAnimated(bool animated);

    // What Escape does: taps the back button when it shows, else a left bar button that
    // escapes. False when there is neither.
    bool goBack();

    QList<ViewController*> viewControllers() const;
    ViewController* topViewController() const;
    NavigationBar* navigationBar() const { return bar_; }

protected:
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void adopt(ViewController* vc);
    void replaceTop(ViewController* from, ViewController* to, bool animated,
                    QList<ViewController*> removed);
    void updateBar();
    void layoutTop();

    NavigationBar* bar_;
    QList<QPointer<ViewController>> stack_;
};

}  // namespace hv
