// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/append.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

// Never a link, never kept open by a program this one starts, and a planted
// FIFO cannot make open wait.
constexpr int flags = O_RDWR | O_APPEND | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

// A name of its own for the file's status: the two releases' formatters
// lay out "struct stat x {}" differently.
using FileStatus = struct stat;

struct Descriptor {
    int fd;
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Another process holds the file only for the time of one line; two seconds
// at most, so that a stuck one never stops the pupil's drill.
bool lock(int fd)
{
    for (int i = 0; i < 2000; ++i) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

// A failed write or sync: what went in is cut off, so that the line can be
// tried again whole; should cutting fail too, the next writer closes the
// half line (see Appender::start).
AppendResult undo(int fd, off_t size, AppendFault fault, int error)
{
    [[maybe_unused]] const int cut = ::ftruncate(fd, size);
    return {fault, error};
}

// Opened as it is (also in a folder no longer writable), else created here
// with mode 0640 whatever the umask: O_EXCL never follows a link. Only a
// regular file of this user with no other name is kept open.
AppendResult openOwn(const std::string& path, Descriptor& file)
{
    file.fd = ::open(path.c_str(), flags);
    bool created = false;
    if (file.fd < 0 && errno == ENOENT) {
        file.fd = ::open(path.c_str(), flags | O_CREAT | O_EXCL, 0640);
        created = file.fd >= 0;
        if (!created && errno == EEXIST)
            file.fd = ::open(path.c_str(), flags);
    }
    if (file.fd < 0)
        return {errno == ELOOP ? AppendFault::Link : AppendFault::Open, errno};
    FileStatus info{};
    if (::fstat(file.fd, &info) != 0)
        return {AppendFault::Open, errno};
    if (!S_ISREG(info.st_mode) || info.st_nlink != 1)
        return {AppendFault::NotRegular, 0};
    if (info.st_uid != ::geteuid())
        return {AppendFault::NotOwned, 0};
    if (created && ::fchmod(file.fd, 0640) != 0)
        return {AppendFault::Open, errno};
    return {};
}

}

AppendResult Appender::append(const std::string& path, std::string_view header, std::string_view line)
{
    Descriptor file(-1);
    if (const AppendResult opened = openOwn(path, file); opened.fault != AppendFault::None)
        return opened;
    if (!lock(file.fd))
        return {AppendFault::Locked, errno};
    // The size once locked: no other writer moves it now.
    FileStatus info{};
    if (::fstat(file.fd, &info) != 0)
        return {AppendFault::Open, errno};
    const std::string text = (info.st_size == 0 ? std::string(header) : start(file.fd, info)) + std::string(line);
    const ssize_t written = ::write(file.fd, text.data(), text.size());
    if (written != static_cast<ssize_t>(text.size()))
        return undo(file.fd, info.st_size, AppendFault::Write, written < 0 ? errno : ENOSPC);
    if (::fdatasync(file.fd) != 0)
        return undo(file.fd, info.st_size, AppendFault::Sync, errno);
    device_ = info.st_dev;
    inode_ = info.st_ino;
    checked_ = info.st_size + written;
    return {};
}

// Every line this class writes has an even number of quotes: an odd count
// since the last known line end means the file stops inside a quoted field.
std::string Appender::start(int fd, const struct stat& info) const
{
    off_t from = info.st_dev == device_ && info.st_ino == inode_ && info.st_size >= checked_ ? checked_ : 0;
    bool quoted = false;
    char last = '\n', buffer[8192];
    for (ssize_t n = 0; from < info.st_size; from += n) {
        n = ::pread(fd, buffer, sizeof buffer, from);
        if (n <= 0)
            break;
        quoted ^= std::count(buffer, buffer + n, '"') % 2 == 1;
        last = buffer[n - 1];
    }
    if (quoted)
        return "\"\r\n";
    return last == '\n' ? "" : "\r\n";
}

}
