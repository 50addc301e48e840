#pragma once

#include <QString>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

// Until it goes out of scope, no file this process writes can grow past the given size: a write
// past it fails with EFBIG, as a write to a full disk fails with ENOSPC. Works without root.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before_);
        const rlimit limit{bytes, before_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &before_); }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    // The system's words for the failure, which the program's message must pass on.
    static QString reason() { return QString::fromLocal8Bit(std::strerror(EFBIG)); }

private:
    rlimit before_{};
};
