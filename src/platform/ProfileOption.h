#pragma once

#include <QCommandLineOption>
#include <QString>
#include <optional>

#include "store/StorePaths.h"

class QCommandLineParser;

namespace hv {

// --data-dir=DIR, the option by which the application and hushvault-cli choose the profile
// (the documents directory and its private temporary directory) they work on.
namespace ProfileOption {

QCommandLineOption dataDirectory();

// The profile the parsed --data-dir names, or the user's default one; nothing, with an
// error for the user, when --data-dir was given without a directory.
std::optional<StorePaths> paths(const QCommandLineParser& parser, QString* error);

}  // namespace ProfileOption

}  // namespace hv
