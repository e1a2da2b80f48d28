#include "store/StorePaths.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace hv {

namespace {

std::string& documentsOverride() {
    static std::string directory;
    return directory;
}

bool isDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string StorePaths::documentsDirectory() {
    const std::string& chosen = documentsOverride();
    return chosen.empty() ? defaultDocumentsDirectory() : chosen;
}

void StorePaths::setDocumentsDirectory(std::string directory) {
    while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
    documentsOverride() = std::move(directory);
}

std::string StorePaths::defaultDocumentsDirectory() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') return std::string(dataHome) + "/hushvault";
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/.local/share/hushvault";
}

std::string StorePaths::temporaryDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string directory = runtime && runtime[0] == '/'
                                      ? std::string(runtime) + "/hushvault"
                                      : documentsDirectory() + "/tmp";
    ensureDirectory(directory);
    return directory;
}

bool StorePaths::ensureDirectory(const std::string& path) {
    if (path.empty()) return false;
    std::size_t position = 0;
    while (position != std::string::npos) {
        position = path.find('/', position + 1);
        const std::string prefix = path.substr(0, position);
        if (prefix.empty() || isDirectory(prefix)) continue;
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return isDirectory(path);
}

}  // namespace hv
