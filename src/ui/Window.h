// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QMimeData;
class QScrollArea;

namespace hv {

class ViewController;

// The application's one window. Its screens are drawn for 320 x 480 points, the size a new
// window has, and lay out for any size from 320 x 360 up; a window smaller than that (a
// phone in landscape with its keyboard up) scrolls. It shows a root screen and, over it,
// layers: modal presentations, containers added on top, and alerts. Each layer fills the
// window. Wherever the window is, the widget with the keyboard stays in sight.
class Window : public QWidget {
    Q_OBJECT
public:
    // The reference size the screens are drawn for.
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 480;
    // The least room the screens lay out in; below it they scroll.
    static constexpr int kMinimumWidth = 320;
    static constexpr int kMinimumHeight = 360;
    // Content wider than this reads badly: wide windows centre it in a column this wide.
    static constexpr int kReadableWidth = 600;

    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    // Shows the window as the device calls for: over the whole of a phone's screen (always
    // under a phone shell), else at a phone-like size that a desktop user can resize and
    // maximise.
    void showOnDevice(bool phoneShell);

    // Takes ownership; its appearance hooks run when the window is shown.
    void setRootViewController(ViewController* root);
    ViewController* rootViewController() const;

    // A screen added on top of everything (ownership taken). The screen that was visible
    // disappears (and is hidden, out of reach of the keyboard), the new one appears;
    // dismissController reverses it, puts the keyboard back, and deletes it.
    void presentController(ViewController* vc, bool animated);
    void dismissController(ViewController* vc, bool animated);
    // The screen that is visible: the top layer's, or the root.
    ViewController* topController() const;

    // A plain widget over everything (alerts), also over screens presented after it; not
    // a screen, no lifecycle.
    void addOverlay(QWidget* overlay);

    // The window holding the widget, or null.
    static Window* of(const QWidget* widget);
    // The window that was shown last (for alerts raised without a screen at hand).
    static Window* current();

    // What a drop outside any field does: text or a link is handed on (textDropped); false
    // when the drag carried neither.
    bool takeDrop(const QMimeData* data);

signals:
    // The user (or the desktop) closes the window: the application is about to end.
    void closing();
    // Text or links dropped on the window outside any field, as the drag carried them.
    void textDropped(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape that no widget took: the visible navigation goes back.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Adds a widget to the stage, filling it.
    void place(QWidget* widget);
    // Scrolls every scrolling area around the widget with the keyboard so that it shows.
    void keepFocusInSight();

    QScrollArea* scroller_;
    QWidget* stage_;  // what the window shows, never smaller than the least room
    QPointer<ViewController> root_;
    QList<QPointer<ViewController>> layers_;
    QList<QPointer<QWidget>> overlays_;
    bool rootAppeared_ = false;
    QMetaObject::Connection focusWatch_;
};

}  // namespace hv
