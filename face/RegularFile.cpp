#include "face/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace mirel {
namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

FileRead readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) return FileRead::CannotOpen;
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return FileRead::CannotOpen;
    if (!S_ISREG(status.st_mode)) return FileRead::NotRegular;
    std::array<char, 4096> chunk{};
    while (bytes.size() < maxBytes) {
        const ssize_t got = ::read(file.get(), chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    return FileRead::Read;
}

}  // namespace mirel
