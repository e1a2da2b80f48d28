#include "platform/ProfileOption.h"

#include <QCommandLineParser>
#include <QFile>

namespace hv {

QCommandLineOption ProfileOption::dataDirectory() {
    return QCommandLineOption(
        "data-dir",
        "Keeps the database and the other files in DIR instead of $XDG_DATA_HOME/hushvault.",
        "DIR");
}

std::optional<StorePaths> ProfileOption::paths(const QCommandLineParser& parser, QString* error) {
    const QString directory = parser.value(dataDirectory().names().first());
    if (parser.isSet(dataDirectory().names().first()) && directory.isEmpty()) {
        *error = "--data-dir needs a directory";
        return std::nullopt;
    }
    return StorePaths::forUser(QFile::encodeName(directory).toStdString());
}

}  // namespace hv
