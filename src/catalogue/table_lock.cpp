#include "catalogue/table_lock.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string_view>
#include <thread>

namespace quintaro::catalogue {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCopySuffix = ".dbf";
constexpr std::size_t kCopyRandom = 6;

bool same_file(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool random_part(std::string_view text) {
    if (text.size() != kCopyRandom)
        return false;
    for (char c : text) {
        const bool alnum =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum)
            return false;
    }
    return true;
}

}  // namespace

TableLock::~TableLock() {
    release();
}

TableLock::TableLock(TableLock&& other) noexcept : fd_(other.fd_) {
    other.fd_ = -1;
}

TableLock& TableLock::operator=(TableLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

void TableLock::release() {
    if (fd_ >= 0)
        ::close(fd_);  // closing the only descriptor of this open releases the lock
    fd_ = -1;
}

int TableLock::lock(const std::string& path, Mode mode, bool wait) {
    using Clock = std::chrono::steady_clock;
    release();
    const auto deadline = Clock::now() + std::chrono::seconds(kWaitSeconds);
    auto pause = std::chrono::microseconds(200);
    const int operation = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return errno;
        // Polled rather than blocking, so that a writer that stopped (a
        // script suspended at the terminal) cannot hang the program for ever.
        int error = 0;
        while (::flock(fd, operation) != 0) {
            error = errno;
            if (error == EINTR)
                continue;
            if (error != EWOULDBLOCK || !wait || Clock::now() >= deadline)
                break;
            std::this_thread::sleep_for(pause);
            pause = std::min(pause * 2, std::chrono::microseconds(20000));
            error = 0;
        }
        if (error != 0) {
            ::close(fd);
            return error == EWOULDBLOCK && wait ? ETIMEDOUT : error;
        }
        struct stat locked {};
        struct stat named {};
        if (::fstat(fd, &locked) != 0 || ::stat(path.c_str(), &named) != 0) {
            const int failed = errno;
            ::close(fd);
            return failed;
        }
        if (same_file(locked, named)) {
            fd_ = fd;
            return 0;
        }
        ::close(fd);  // a post replaced the file meanwhile: lock the new one
        if (!wait || Clock::now() >= deadline)
            return wait ? ETIMEDOUT : EWOULDBLOCK;
    }
}

int TableLock::acquire(const std::string& path, Mode mode) {
    return lock(path, mode, true);
}

bool TableLock::try_exclusive(const std::string& path) {
    return lock(path, Mode::Exclusive, false) == 0;
}

std::string copy_template(const std::string& table_path) {
    const fs::path table(table_path);
    return (table.parent_path() / ("." + table.stem().string() + "-" +
                                   std::string(kCopyRandom, 'X') + std::string(kCopySuffix)))
        .string();
}

void remove_leftover_copies(const std::string& table_path) {
    const fs::path table(table_path);
    const std::string prefix = "." + table.stem().string() + "-";
    const std::string folder = table.parent_path().string();
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return;
    const int dir_fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.size() != prefix.size() + kCopyRandom + kCopySuffix.size() ||
            name.substr(0, prefix.size()) != prefix ||
            !random_part(name.substr(prefix.size(), kCopyRandom)) ||
            name.substr(name.size() - kCopySuffix.size()) != kCopySuffix) {
            continue;
        }
        // Opened without following a link: only a file of our own making goes.
        const int fd = ::openat(dir_fd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlinkat(dir_fd, entry->d_name, 0);
        }
        ::close(fd);
    }
    ::closedir(dir);
}

}  // namespace quintaro::catalogue
