// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/VCardLegacyText.h"

#include <glib.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace hv {

namespace {

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && g_ascii_strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// The file's lines, each with its line break.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size() - 1);
        lines.push_back(text.substr(at, end + 1 - at));
        at = end + 1;
    }
    return lines;
}

std::string_view withoutLineBreak(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

bool isContinuation(std::string_view line) {
    return !line.empty() && (line[0] == ' ' || line[0] == '\t');
}

// The parameters of a property line that matter here.
struct Parameters {
    bool quotedPrintable = false;
    std::string_view charset;   // empty when none is given
    std::size_t charsetAt = 0;  // where the charset's name starts in the line
    std::size_t valueAt = 0;    // just after the ':'
};

std::optional<Parameters> parametersOf(std::string_view line) {
    const std::size_t colon = line.find(':');
    const std::size_t semicolon = line.find(';');
    if (colon == std::string_view::npos || semicolon == std::string_view::npos || semicolon > colon)
        return std::nullopt;
    Parameters found;
    found.valueAt = colon + 1;
    for (std::size_t at = semicolon + 1; at <= colon;) {
        const std::size_t end = std::min(line.find(';', at), colon);
        const std::string_view parameter = line.substr(at, end - at);
        if (equalsNoCase(parameter, "ENCODING=QUOTED-PRINTABLE") ||
            equalsNoCase(parameter, "QUOTED-PRINTABLE"))
            found.quotedPrintable = true;
        if (parameter.size() > 8 && equalsNoCase(parameter.substr(0, 8), "CHARSET=")) {
            found.charset = parameter.substr(8);
            found.charsetAt = at + 8;
        }
        at = end + 1;
    }
    return found;
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

std::optional<std::string> toUtf8(std::string_view bytes, std::string_view charset) {
    const std::string from(charset);
    gsize written = 0;
    gchar* converted = g_convert(bytes.data(), gssize(bytes.size()), "UTF-8", from.c_str(), nullptr,
                                 &written, nullptr);
    if (!converted) return std::nullopt;
    std::string result(converted, written);
    g_free(converted);
    return result;
}

}  // namespace

std::string VCardLegacyText::normalized(std::string_view card) {
    const std::vector<std::string_view> lines = linesOf(card);
    std::string result;
    result.reserve(card.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto parameters = isContinuation(line) ? std::nullopt : parametersOf(line);
        if (parameters && parameters->quotedPrintable) {
            // "=" never ends a quoted-printable value: it is always a soft line break.
            std::string_view part = line;
            while (withoutLineBreak(part).ends_with('=') && i + 1 < lines.size()) {
                result += withoutLineBreak(part).substr(0, withoutLineBreak(part).size() - 1);
                part = lines[++i];
            }
            result += part;
            continue;
        }
        if (parameters && !parameters->charset.empty() &&
            !equalsNoCase(parameters->charset, "UTF-8")) {
            // The value with its folded lines: line breaks and folding spaces are ASCII, and
            // stay what they are in every charset a vCard 2.1 names.
            std::string value(line.substr(parameters->valueAt));
            while (i + 1 < lines.size() && isContinuation(lines[i + 1])) value += lines[++i];
            const auto converted =
                isAscii(value) ? std::nullopt : toUtf8(value, parameters->charset);
            result += line.substr(0, parameters->charsetAt);
            result += converted ? std::string_view("UTF-8") : parameters->charset;
            result += line.substr(
                parameters->charsetAt + parameters->charset.size(),
                parameters->valueAt - parameters->charsetAt - parameters->charset.size());
            result += converted ? *converted : value;
            continue;
        }
        result += line;
    }
    return result;
}

}  // namespace hv
