// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace hv {

struct BarButtonItem;

// The bar at the top of a navigation container: background image, centred title, a back
// or left button and a right button. Screens may place their own small widgets on it
// (addSubview); the bar's own widgets stay in their places.
class NavigationBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 44;

    explicit NavigationBar(QWidget* parent = nullptr);

    // The image every bar paints, stretched over its whole frame.
    static void setDefaultBackgroundImage(const QString& resource);

    void setTitle(const QString& title);
    QString title() const;
    // A widget in the title's place (not owned; the bar only shows it), or null.
    void setTitleView(QWidget* view);
    // A back button with the given title; an empty title hides it.
    void setBackButtonTitle(const QString& title);
    void setLeftItem(const BarButtonItem* item);
    void setRightItem(const BarButtonItem* item);

    // Shows a screen's own widget on the bar where it was placed; one given a right margin
    // keeps that distance from the bar's right edge however wide the bar becomes.
    void addSubview(QWidget* view, int rightMargin = -1);

signals:
    void backTapped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kLongestButton = 100;
    static constexpr int kTitleFontSize = 17;
    static constexpr int kSmallestTitleFontSize = 13;

    void layoutButtons();
    void fitTitle(int leftEdge, int rightEdge);

    QString fullTitle_;
    QLabel* title_;
    QPushButton* back_;
    QPushButton* left_;
    QPushButton* right_;
    QPointer<QWidget> titleView_;
    QList<QPair<QPointer<QWidget>, int>> rightAnchored_;
};

}  // namespace hv
