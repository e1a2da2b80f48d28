// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace hv {

// A button on the navigation bar: a text or an image (resource path), and what a tap does.
// `escapes`: the Escape key taps it too (a "Back" that closes a presentation).
struct BarButtonItem {
    QString title;
    QString image;
    std::function<void()> action;
    QString objectName;
    bool escapes = false;
    // What a screen reader calls the button, when its title is a sign ("+").
    QString accessibleName = QString();
};

// What a screen shows on the navigation bar while it is on top: its title, bar buttons,
// and the back button title that screens pushed on top of it show.
class NavigationItem : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~NavigationItem() override;

    QString title() const { return title_; }
    void setTitle(const QString& title);

    const std::optional<BarButtonItem>& leftBarButtonItem() const { return left_; }
    void setLeftBarButtonItem(std::optional<BarButtonItem> item);
    const std::optional<BarButtonItem>& rightBarButtonItem() const { return right_; }
    void setRightBarButtonItem(std::optional<BarButtonItem> item);

    // Empty: screens on top show this screen's title on their back button.
    QString backBarButtonTitle() const { return backTitle_; }
    void setBackBarButtonTitle(const QString& title);

    // A widget shown in the title's place (a segmented control); the item owns it.
    QWidget* titleView() const { return titleView_; }
    void setTitleView(QWidget* view);

    bool hidesBackButton() const { return hidesBack_; }
    void setHidesBackButton(bool hides);

signals:
    void changed();

private:
    QString title_;
    std::optional<BarButtonItem> left_;
    std::optional<BarButtonItem> right_;
    QString backTitle_;
    QPointer<QWidget> titleView_;
    bool hidesBack_ = false;
};

}  // namespace hv
