#include "ui/Window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShowEvent>

#include "ui/NavigationController.h"

namespace hv {

namespace {

QList<QPointer<Window>>& shownWindows() {
    static QList<QPointer<Window>> windows;
    return windows;
}

}  // namespace

Window::Window(QWidget* parent) : QWidget(parent) {
    setObjectName("window");
    setFixedSize(kWidth, kHeight);
    setWindowTitle("Hushvault");
}

Window::~Window() {
    shownWindows().removeAll(this);
}

void Window::setRootViewController(ViewController* root) {
    root_ = root;
    root->setParent(this);
    root->setGeometry(rect());
    root->show();
    if (isVisible() && !rootAppeared_) {
        rootAppeared_ = true;
        root->beginAppearance(false);
        root->endAppearance(false);
    }
}

ViewController* Window::rootViewController() const {
    return root_;
}

ViewController* Window::topController() const {
    for (qsizetype i = layers_.size() - 1; i >= 0; --i)
        if (layers_[i]) return layers_[i];
    return root_;
}

void Window::presentController(ViewController* vc, bool animated) {
    ViewController* covered = topController();
    vc->setParent(this);
    vc->setGeometry(rect());
    if (covered) covered->rememberFocus();
    if (covered) covered->beginDisappearance(animated);
    vc->beginAppearance(animated);
    layers_.append(vc);
    vc->show();
    vc->raise();
    // An alert up before the screen came stays in front of it: it still has the keyboard.
    overlays_.removeAll(nullptr);
    for (const QPointer<QWidget>& overlay : std::as_const(overlays_))
        if (overlay->isVisible()) overlay->raise();
    // What is covered is hidden, so that neither Tab nor a shortcut can reach it.
    if (covered) covered->hide();
    if (covered) covered->endDisappearance(animated);
    vc->endAppearance(animated);
}

void Window::dismissController(ViewController* vc, bool animated) {
    if (!layers_.contains(vc)) return;
    layers_.removeAll(vc);
    ViewController* uncovered = topController();
    // The keyboard goes back to the uncovered screen only if it leaves with this one: an
    // alert shown in the meantime keeps it.
    QWidget* focus = QApplication::focusWidget();
    const bool focusLeaves = !focus || focus == vc || vc->isAncestorOf(focus);
    vc->beginDisappearance(animated);
    if (uncovered) uncovered->beginAppearance(animated);
    if (uncovered) uncovered->show();
    vc->hide();
    if (uncovered && focusLeaves) uncovered->restoreFocus();
    vc->endDisappearance(animated);
    if (uncovered) uncovered->endAppearance(animated);
    vc->deleteLater();
}

void Window::addOverlay(QWidget* overlay) {
    overlay->setParent(this);
    overlay->setGeometry(rect());
    overlay->show();
    overlay->raise();
    overlays_.removeAll(nullptr);
    overlays_.removeAll(overlay);
    overlays_.append(overlay);
}

Window* Window::of(const QWidget* widget) {
    return widget ? qobject_cast<Window*>(widget->window()) : nullptr;
}

Window* Window::current() {
    auto& windows = shownWindows();
    windows.removeAll(nullptr);
    return windows.isEmpty() ? nullptr : windows.last().data();
}

void Window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    shownWindows().removeAll(this);
    shownWindows().append(this);
    if (root_ && !rootAppeared_) {
        rootAppeared_ = true;
        root_->beginAppearance(false);
        root_->endAppearance(false);
    }
}

void Window::keyPressEvent(QKeyEvent* event) {
    auto* nav = qobject_cast<NavigationController*>(topController());
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && nav &&
        nav->goBack())
        return;
    QWidget::keyPressEvent(event);
}

void Window::resizeEvent(QResizeEvent*) {
    for (QObject* child : children())
        if (auto* widget = qobject_cast<QWidget*>(child)) widget->setGeometry(rect());
}

}  // namespace hv
