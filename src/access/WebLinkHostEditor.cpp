// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/WebLinkHostEditor.h"

#include <QLineEdit>

#include "access/SettingNotSaved.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "sms/WebLinkHost.h"
#include "ui/AlertView.h"

namespace hv {

AlertView* WebLinkHostEditor::ask(const std::string& documentsDirectory,
                                  std::function<void()> changed) {
    auto* alert = new AlertView(
        kKeyWebLinkHost, nullptr, kKeyCancel, {kKeySave},
        [documentsDirectory, changed = std::move(changed)](AlertView* shown, int index) {
            if (index != 1) return;
            const std::string host = shown->textField()->text().trimmed().toStdString();
            if (!host.empty() && !WebLinkHost::isValid(host)) {
                (new AlertView(kKeyWarning, kKeyInvalidHost, kKeySure, {}))->show();
                return;
            }
            if (!WebLinkHost::store(documentsDirectory, host)) {
                SettingNotSaved::show();
                return;
            }
            if (changed) changed();
        });
    QLineEdit* field = alert->addTextField(false);
    field->setObjectName("webLinkHostField");
    field->setPlaceholderText("links.example.org");
    field->setText(
        QString::fromStdString(WebLinkHost::configured(documentsDirectory).value_or("")));
    field->setInputMethodHints(Qt::ImhUrlCharactersOnly | Qt::ImhNoAutoUppercase |
                               Qt::ImhNoPredictiveText);
    alert->show();
    return alert;
}

}  // namespace hv
