#pragma once

#include <string>

namespace hv::test {

// A fresh directory under the system's temporary directory, removed with everything in
// it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Makes a directory the process's documents directory for the object's lifetime.
class ScopedDocumentsDirectory {
public:
    explicit ScopedDocumentsDirectory(const std::string& directory);
    ~ScopedDocumentsDirectory();
    ScopedDocumentsDirectory(const ScopedDocumentsDirectory&) = delete;
    ScopedDocumentsDirectory& operator=(const ScopedDocumentsDirectory&) = delete;
};

// The whole file as bytes ("" when it cannot be read), and its permission bits.
std::string readFile(const std::string& path);
unsigned permissions(const std::string& path);

}  // namespace hv::test
