// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ViewController.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

#include "ui/NavigationController.h"
#include "ui/ReadableColumnLayout.h"
#include "ui/Window.h"

namespace hv {

ViewController::ViewController(QWidget* parent)
    : QWidget(parent), navigationItem_(new NavigationItem(this)) {}

ViewController::~ViewController() = default;

void ViewController::loadViewIfNeeded() {
    if (loaded_) return;
    loaded_ = true;
    viewDidLoad();
    // Children made by viewDidLoad while the screen is already on the window would stay
    // hidden; show those the screen did not explicitly show or hide.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide)) child->show();
}

void ViewController::beginAppearance(bool animated) {
    loadViewIfNeeded();
    viewWillAppear(animated);
}

void ViewController::endAppearance(bool animated) {
    appeared_ = true;
    viewDidAppear(animated);
}

void ViewController::beginDisappearance(bool animated) {
    viewWillDisappear(animated);
}

void ViewController::endDisappearance(bool animated) {
    appeared_ = false;
    viewDidDisappear(animated);
}

void ViewController::setContentView(QWidget* view, ContentWidth width) {
    // The screen's layout holds its content view and nothing else.
    delete contentView_;  // leaves the layout as it goes
    auto* column = qobject_cast<ReadableColumnLayout*>(layout());
    if (!column) {
        delete layout();
        column = new ReadableColumnLayout(this);
    }
    column->setMaximumColumnWidth(width == ContentWidth::Full ? QWIDGETSIZE_MAX
                                                              : Window::kReadableWidth);
    contentView_ = view;
    column->addWidget(view);
    view->lower();  // under whatever the screen places on top
}

void ViewController::rememberFocus() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus && window()) focus = window()->focusWidget();
    focusWhenCovered_ = focus && isAncestorOf(focus) ? focus : nullptr;
}

void ViewController::restoreFocus() {
    if (focusWhenCovered_ && focusWhenCovered_->isVisible()) focusWhenCovered_->setFocus();
    focusWhenCovered_ = nullptr;
}

void ViewController::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    if (enter && event->modifiers() == Qt::NoModifier && button && isAncestorOf(button) &&
        button->isEnabled()) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ViewController::presentModalViewController(ViewController* vc, bool animated) {
    Window* window = Window::of(this);
    if (!window || !vc || presented_) return;
    presented_ = vc;
    vc->presenting_ = this;
    window->presentController(vc, animated);
}

void ViewController::dismissModalViewController(bool animated) {
    if (presented_) {
        Window* window = Window::of(presented_);
        ViewController* presented = presented_;
        presented_ = nullptr;
        presented->presenting_ = nullptr;
        if (window) window->dismissController(presented, animated);
        return;
    }
    // Called from inside the presentation: the container presented, if there is one.
    ViewController* shown = this;
    if (navigationController_) shown = navigationController_;
    if (shown->presenting_) shown->presenting_->dismissModalViewController(animated);
}

}  // namespace hv
