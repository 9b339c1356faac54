#pragma once
// Lets writes to files fail beyond a size, as on a full disk, for the life of
// the object; in a child process, applyFileSizeLimit does the same for good.

#include <csignal>
#include <sys/resource.h>

namespace veltrano::testing {

inline void applyFileSizeLimit(rlim_t bytes) {
    rlimit limited{};
    ::getrlimit(RLIMIT_FSIZE, &limited);
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the process
}

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        applyFileSizeLimit(bytes);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace veltrano::testing
