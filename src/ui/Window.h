#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace hv {

class ViewController;

// The application's one phone-sized window (320 x 480 points; QT_SCALE_FACTOR scales it).
// It shows a root screen and, over it, layers: modal presentations, containers added on
// top, and alerts. Each layer fills the window.
class Window : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 480;

    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

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

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Escape that no widget took: the visible navigation goes back.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<ViewController> root_;
    QList<QPointer<ViewController>> layers_;
    QList<QPointer<QWidget>> overlays_;
    bool rootAppeared_ = false;
};

}  // namespace hv
