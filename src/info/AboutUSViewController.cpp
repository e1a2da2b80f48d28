// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/AboutUSViewController.h"

#include <QLabel>
#include <QVBoxLayout>

#include "Version.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/Picture.h"
#include "ui/Style.h"

namespace hv {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, Style::Role role) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    Style::apply(label, role);
    return label;
}

constexpr Style::Role kNameStyle = Style::Role::AboutName;
constexpr Style::Role kCompanyStyle = Style::Role::AboutCompany;
constexpr Style::Role kPropertyStyle = Style::Role::AboutProperty;

}  // namespace

AboutUSViewController::AboutUSViewController(QWidget* parent) : ViewController(parent) {
    setObjectName("AboutUSViewController");
}

void AboutUSViewController::buildLayout() {
    setAutoFillBackground(true);
    auto* content = new QWidget;
    imageView = new QLabel(content);
    imageView->setObjectName("imageView");
    imageView->setPixmap(Picture::scaled(":/images/LOGO.png", QSize(96, 96), devicePixelRatioF()));
    imageView->setAlignment(Qt::AlignCenter);
    // The layout's own texts: Chinese and English.
    labelchiname = makeLabel(content, "labelchiname", QString::fromUtf8("私密短信"), kNameStyle);
    companyName =
        makeLabel(content, "companyName", QString::fromUtf8("Hushvault 开发团队"), kCompanyStyle);
    labelproperty =
        makeLabel(content, "labelproperty",
                  QString::fromUtf8("自由软件。您的信息只以密文的形式离开手机。"), kPropertyStyle);
    labelenname = makeLabel(content, "labelenname", "Hushvault", kNameStyle);
    enCompanyName = makeLabel(content, "enCompanyName", "The Hushvault developers", kCompanyStyle);
    enProperty =
        makeLabel(content, "enProperty",
                  "Free software. Your messages leave your phone only encrypted.", kPropertyStyle);
    auto* version = makeLabel(content, "versionLabel",
                              localized(kKeyVersion).arg(kHushvaultVersion), kPropertyStyle);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(24, 36, 24, 24);
    layout->setSpacing(10);
    layout->addWidget(imageView);
    for (QLabel* label : {labelchiname, labelenname, companyName, enCompanyName})
        layout->addWidget(label);
    layout->addSpacing(12);
    layout->addWidget(labelproperty);
    layout->addWidget(enProperty);
    layout->addStretch(1);
    layout->addWidget(version);
    if (!smsServiceLine_.isEmpty())
        layout->addWidget(makeLabel(content, "smsServiceLabel", smsServiceLine_, kPropertyStyle));
    setContentView(content);
}

void AboutUSViewController::viewDidLoad() {
    buildLayout();
    navigationItem()->setLeftBarButtonItem(
        BarButtonItem{localized(kKeyBack), {}, [this] { back(); }, "aboutBackButton", true});
    setTitle(localized(kKeyAppName));

    const QString international = localized(kKeyInternational);
    if (international == QString::fromUtf8(kInternationalTraditional)) {
        labelchiname->setText(localized(kKeyAppName));
        companyName->setText(localized(kKeyCompanyName));
        labelproperty->setText(localized(kKeyProperty));
        enCompanyName->hide();
        labelenname->hide();
    } else if (international == QString::fromUtf8(kInternationalSimplified)) {
        enCompanyName->hide();
        labelenname->hide();
    } else {
        labelchiname->hide();
        companyName->hide();
        labelproperty->hide();
    }
}

void AboutUSViewController::back() {
    dismissModalViewController(true);
}

}  // namespace hv
