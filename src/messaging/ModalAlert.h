// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace hv {

class AlertView;
class Window;

// Asks for one line of text in an alert: the title, a field (260 x 30) with the prompt as
// placeholder and a clear button, "Cancel" (index 0) and "Sure" (index 1). It never
// blocks: the caller goes on in `answer`, which receives the field's text, or nothing for
// "Cancel". When an on-screen keyboard covers the alert, the alert moves up out of its way.
namespace ModalAlert {

using Answer = std::function<void(std::optional<QString> text)>;

AlertView* ask(const char* titleKey, const char* promptKey, Window* window, Answer answer);

}  // namespace ModalAlert

}  // namespace hv
