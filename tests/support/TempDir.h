#pragma once
// A fresh temporary folder for one test, removed with everything in it when
// the object goes out of scope. Tests write their fixture files here.

#include <filesystem>
#include <string>
#include <string_view>

namespace mirel::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` to path()/relative, creating parent folders; returns the full path.
    std::filesystem::path write(const std::filesystem::path& relative, std::string_view bytes) const;
    // The whole content of path()/relative, or "" when it does not exist.
    std::string read(const std::filesystem::path& relative) const;

private:
    std::filesystem::path path_;
};

// Changes the working directory for the lifetime of the object (the system
// resolves Data/ and Output/ against it).
class ScopedWorkingDir {
public:
    explicit ScopedWorkingDir(const std::filesystem::path& dir);
    ~ScopedWorkingDir();
    ScopedWorkingDir(const ScopedWorkingDir&) = delete;
    ScopedWorkingDir& operator=(const ScopedWorkingDir&) = delete;

private:
    std::filesystem::path previous_;
};

// The project's source folder (for tests of the shipped sample bank).
std::filesystem::path sourceDir();

}  // namespace mirel::test
