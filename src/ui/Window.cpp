// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Window.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QTimer>

#include "ui/Accessibility.h"
#include "ui/NavigationController.h"

namespace hv {

namespace {

// A screen whose shorter side is under this many points is a phone's, in either orientation.
constexpr int kPhoneScreenSide = 500;
// A window's size on a desktop: a phone's proportions, room for a conversation.
constexpr QSize kDesktopSize(400, 720);

QList<QPointer<Window>>& shownWindows() {
    static QList<QPointer<Window>> windows;
    return windows;
}

}  // namespace

Window::Window(QWidget* parent)
    : QWidget(parent), scroller_(new QScrollArea(this)), stage_(new QWidget) {
    Accessibility::install();
    setObjectName("window");
    setWindowTitle("Hushvault");
    resize(kWidth, kHeight);
    setAcceptDrops(true);
    stage_->setObjectName("stage");
    stage_->setMinimumSize(kMinimumWidth, kMinimumHeight);
    stage_->installEventFilter(this);
    scroller_->setObjectName("windowScroller");
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->setWidgetResizable(true);
    scroller_->setWidget(stage_);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this] { keepFocusInSight(); });
}

Window::~Window() {
    // The screens going with the window move the focus about: no longer this window's business.
    disconnect(focusWatch_);
    shownWindows().removeAll(this);
}

void Window::showOnDevice(bool phoneShell) {
    const QScreen* screen = this->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(QPoint(), kDesktopSize);
    if (phoneShell || qMin(room.width(), room.height()) < kPhoneScreenSide) {
        setGeometry(room);
        showMaximized();
        return;
    }
    // Leave room for the desktop's title bar and panels.
    resize(kDesktopSize.boundedTo(room.size() * 0.9));
    move(room.center() - QPoint(width() / 2, height() / 2));
    show();
}

void Window::setRootViewController(ViewController* root) {
    root_ = root;
    place(root);
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
    place(vc);
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
    // What is covered is hidden, so that neither Tab nor a shortcut can reach it; the
    // keyboard it had goes to the new screen, not to whatever comes first in it.
    if (covered && covered->isAncestorOf(QApplication::focusWidget())) vc->setFocus();
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
    place(overlay);
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

namespace {

// The dragged text; links as their raw text, since a parsed URL lower-cases its host (where
// an application link keeps its token).
QString droppedText(const QMimeData* data) {
    if (!data) return {};
    if (data->hasFormat("text/uri-list"))
        return QString::fromUtf8(data->data("text/uri-list")).section('\n', 0, 0).trimmed();
    return data->hasText() ? data->text() : QString();
}

}  // namespace

void Window::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedText(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Window::dropEvent(QDropEvent* event) {
    if (takeDrop(event->mimeData())) event->acceptProposedAction();
}

bool Window::takeDrop(const QMimeData* data) {
    const QString text = droppedText(data);
    if (text.isEmpty()) return false;
    emit textDropped(text);
    return true;
}

void Window::closeEvent(QCloseEvent* event) {
    emit closing();
    QWidget::closeEvent(event);
}

void Window::keyPressEvent(QKeyEvent* event) {
    auto* nav = qobject_cast<NavigationController*>(topController());
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && nav &&
        nav->goBack())
        return;
    QWidget::keyPressEvent(event);
}

void Window::place(QWidget* widget) {
    widget->setParent(stage_);
    widget->setGeometry(stage_->rect());
    widget->show();
}

void Window::resizeEvent(QResizeEvent*) {
    scroller_->setGeometry(rect());
    // A keyboard that came up made the window shorter: what it was typed into stays in
    // sight once the screens have laid out for the new size.
    QTimer::singleShot(0, this, [this] { keepFocusInSight(); });
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
    if (watched == stage_ && event->type() == QEvent::Resize)
        for (QObject* child : stage_->children())
            if (auto* widget = qobject_cast<QWidget*>(child)) widget->setGeometry(stage_->rect());
    return QWidget::eventFilter(watched, event);
}

void Window::keepFocusInSight() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this) return;
    // Innermost first: a form scrolls its field into its own view, then the window
    // scrolls that view into sight.
    for (QWidget* area = focus->parentWidget(); area; area = area->parentWidget())
        if (auto* scroller = qobject_cast<QScrollArea*>(area))
            if (scroller->widget() && scroller->widget()->isAncestorOf(focus))
                scroller->ensureWidgetVisible(focus, 8, 8);
}

}  // namespace hv
