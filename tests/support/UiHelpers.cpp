// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/UiHelpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "ui/AlertView.h"
#include "ui/NavigationBar.h"

namespace hv::test {

void tap(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void tap(QWidget* root, const QString& objectName) {
    QAbstractButton* button = nullptr;
    for (auto* candidate : root->findChildren<QAbstractButton*>(objectName))
        if (candidate->isVisibleTo(root)) button = candidate;
    ASSERT_NE(button, nullptr) << "no visible button " << objectName.toStdString();
    tap(button);
}

AlertView* visibleAlert() {
    const auto alerts = AlertView::visibleAlerts();
    return alerts.isEmpty() ? nullptr : alerts.last();
}

void tapAlertButton(AlertView* alert, int index) {
    ASSERT_NE(alert, nullptr);
    tap(alert->findChild<QPushButton*>(QString("alertButton%1").arg(index)));
}

void activate(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

QString barTitle(QWidget* root) {
    QString title;
    for (auto* bar : root->findChildren<NavigationBar*>())
        if (bar->isVisibleTo(root)) title = bar->title();
    return title;
}

}  // namespace hv::test
