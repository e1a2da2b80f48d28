#pragma once

#include <string>

namespace hv {

// Where the application keeps its files. The documents directory is
// $XDG_DATA_HOME/hushvault (normally ~/.local/share/hushvault) unless the process set
// another one at start-up (--data-dir), before any store object was made; it is not
// changed while other threads run.
class StorePaths {
public:
    static std::string documentsDirectory();
    static void setDocumentsDirectory(std::string directory);
    static std::string defaultDocumentsDirectory();

    // The user's private temporary directory, created (mode 0700) when missing:
    // $XDG_RUNTIME_DIR/hushvault, or <documents>/tmp without a runtime directory. Several
    // documents directories share the runtime one's; the draft kept there is per user.
    static std::string temporaryDirectory();

    // Creates every missing directory of the path, component by component from the root,
    // with mode 0700. True when the path exists as a directory afterwards.
    static bool ensureDirectory(const std::string& path);
};

}  // namespace hv
