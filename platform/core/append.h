// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

namespace platform {

// Why a line was not appended; with errno's value where the system gave one.
enum class AppendFault { None, Open, Link, NotRegular, NotOwned, Locked, Write, Sync };
struct AppendResult {
    AppendFault fault = AppendFault::None;
    int error = 0;
};

// Appends whole lines to files that other processes may append to as well
// (the same user on two machines, with the home on a network share). A line
// goes in one write to a file opened for appending, under an exclusive lock,
// and reaches the disk before append returns; if it cannot, the file is cut
// back to where it was, so the caller can try the same line again later
// without doubling it. Never throws for a fault of the file system.
class Appender {
public:
    // Appends `line` to the file at `path`, after `header` if the file is
    // empty. The file must be a regular file of this user with no other name:
    // a symbolic link, a file of another user or anything else is refused,
    // never written. A file it creates gets mode 0640 whatever the umask.
    AppendResult append(const std::string& path, std::string_view header, std::string_view line);

private:
    // How a line must start for the file's end: a line break where an
    // earlier writer was killed halfway, with a quote first if that was
    // inside a quoted field.
    std::string start(int fd, const struct stat& info) const;

    // Where the file last ended a line, so that only what others have
    // appended since is read again.
    dev_t device_ = 0;
    ino_t inode_ = 0;
    off_t checked_ = 0;
};

}
