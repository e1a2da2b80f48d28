// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/NavigationController.h"

#include <QApplication>

#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/NavigationBar.h"

namespace hv {

NavigationController::NavigationController(ViewController* root, QWidget* parent)
    : ViewController(parent), bar_(new NavigationBar(this)) {
    setObjectName("navigationController");
    connect(bar_, &NavigationBar::backTapped, this, [this] {
        if (ViewController* top = topViewController(); top && top->shouldGoBack())
            popViewControllerAnimated(true);
    });
    adopt(root);
    stack_.append(root);
    root->show();
    updateBar();
}

void NavigationController::adopt(ViewController* vc) {
    vc->setParent(this);
    vc->navigationController_ = this;
    connect(vc->navigationItem(), &NavigationItem::changed, this, [this, vc] {
        if (topViewController() == vc || (stack_.size() > 1 && stack_[stack_.size() - 2] == vc))
            updateBar();
    });
}

QList<ViewController*> NavigationController::viewControllers() const {
    QList<ViewController*> list;
    for (const auto& vc : stack_)
        if (vc) list.append(vc);
    return list;
}

ViewController* NavigationController::topViewController() const {
    return stack_.isEmpty() ? nullptr : stack_.last().data();
}

void NavigationController::pushViewController(ViewController* vc, bool animated) {
    if (!vc || stack_.contains(vc)) return;
    ViewController* from = topViewController();
    adopt(vc);
    stack_.append(vc);
    replaceTop(from, vc, animated, {});
}

bool NavigationController::popViewControllerAnimated(bool animated) {
    if (stack_.size() < 2) return false;
    ViewController* from = stack_.takeLast();
    replaceTop(from, topViewController(), animated, {from});
    return true;
}

void NavigationController::popToViewController(ViewController* vc, bool animated) {
    const qsizetype index = stack_.indexOf(vc);
    if (index < 0 || index == stack_.size() - 1) return;
    ViewController* from = topViewController();
    QList<ViewController*> removed;
    while (stack_.size() > index + 1) removed.append(stack_.takeLast());
    replaceTop(from, vc, animated, removed);
}

void NavigationController::popToRootViewControllerAnimated(bool animated) {
    if (!stack_.isEmpty()) popToViewController(stack_.first(), animated);
}

void NavigationController::replaceTop(ViewController* from, ViewController* to, bool animated,
                                      QList<ViewController*> removed) {
    // Screens that are not on the window hear nothing until the container appears.
    const bool live = isVisibleScreen();
    const bool covering = from && stack_.contains(from);  // a push: `from` comes back later
    if (covering) from->rememberFocus();
    if (live && from) from->beginDisappearance(animated);
    if (live)
        to->beginAppearance(animated);
    else
        to->loadViewIfNeeded();
    layoutTop();
    to->show();
    to->raise();
    // The keyboard goes to the screen, not to whatever comes first in it once the old one
    // hides (a row would look chosen); a screen shown again takes it back where it was.
    if (from && from->isAncestorOf(QApplication::focusWidget())) to->setFocus();
    if (from) from->hide();
    to->restoreFocus();
    updateBar();
    if (live && from) from->endDisappearance(animated);
    if (live) to->endAppearance(animated);
    for (ViewController* gone : removed) gone->deleteLater();
}

bool NavigationController::goBack() {
    ViewController* top = topViewController();
    if (!top) return false;
    const NavigationItem* item = top->navigationItem();
    if (stack_.size() > 1 && !item->hidesBackButton() && !item->leftBarButtonItem())
        return !top->shouldGoBack() || popViewControllerAnimated(true);
    const auto& left = item->leftBarButtonItem();
    if (!left || !left->escapes || !left->action) return false;
    left->action();
    return true;
}

void NavigationController::updateBar() {
    ViewController* top = topViewController();
    if (!top) return;
    NavigationItem* item = top->navigationItem();
    bar_->setTitle(item->title());
    bar_->setTitleView(item->titleView());
    bar_->setLeftItem(item->leftBarButtonItem() ? &*item->leftBarButtonItem() : nullptr);
    bar_->setRightItem(item->rightBarButtonItem() ? &*item->rightBarButtonItem() : nullptr);
    QString back;
    if (stack_.size() > 1 && !item->hidesBackButton() && !item->leftBarButtonItem()) {
        NavigationItem* previous = stack_[stack_.size() - 2]->navigationItem();
        back = previous->backBarButtonTitle();
        if (back.isEmpty()) back = previous->title();
        if (back.isEmpty()) back = localized(kKeyBack);
    }
    bar_->setBackButtonTitle(back);
}

void NavigationController::layoutTop() {
    bar_->setGeometry(0, 0, width(), NavigationBar::kHeight);
    if (ViewController* top = topViewController())
        top->setGeometry(0, NavigationBar::kHeight, width(), height() - NavigationBar::kHeight);
}

void NavigationController::resizeEvent(QResizeEvent*) {
    layoutTop();
}

void NavigationController::viewWillAppear(bool animated) {
    if (auto* top = topViewController()) top->beginAppearance(animated);
}

void NavigationController::viewDidAppear(bool animated) {
    if (auto* top = topViewController()) top->endAppearance(animated);
}

void NavigationController::viewWillDisappear(bool animated) {
    if (auto* top = topViewController()) top->beginDisappearance(animated);
}

void NavigationController::viewDidDisappear(bool animated) {
    if (auto* top = topViewController()) top->endDisappearance(animated);
}

}  // namespace hv
