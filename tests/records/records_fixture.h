#pragma once
// Shared test set-up for the record files: a private temporary folder, product
// folders registered in an in-memory registry, and a presenter that records
// the messages shown.

#include "core/message_presenter.h"
#include "core/registry.h"
#include "records/sibling_folder.h"
#include "tests/records/vdt_writer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace veltrano::test {

struct ShownMessage {
    std::string text;
    int style = 0;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class RecordingPresenter : public MessagePresenter {
  public:
    int showMessage(const std::string& markupText, int style) override {
        shown.push_back({markupText, style});
        return MessageResult::Ok;
    }
    std::vector<ShownMessage> shown;
};

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "veltrano-rec-XXXXXX");
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        path_ = ::mkdtemp(buffer.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Another process holding an exclusive lock on bytes start .. start + length - 1
// of a file, as the owning product does while it writes, until destroyed.
class ForeignLock {
  public:
    ForeignLock(const std::string& path, off_t start, off_t length) {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        child_ = ::fork();
        if (child_ == 0) {
            int fd = ::open(path.c_str(), O_RDWR);
            struct flock lock = {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            lock.l_start = start;
            lock.l_len = length;
            char answer = (fd >= 0 && ::fcntl(fd, F_OFD_SETLK, &lock) == 0) ? 'y' : 'n';
            (void)!::write(ready[1], &answer, 1);
            ::alarm(30); // never outlives a test run that was cut short
            ::pause();   // holds the lock until killed
            ::_exit(0);
        }
        char answer = 0;
        held_ = child_ > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~ForeignLock() { release(); }
    ForeignLock(const ForeignLock&) = delete;
    ForeignLock& operator=(const ForeignLock&) = delete;

    bool held() const { return held_; }
    void release() {
        if (child_ > 0) {
            ::kill(child_, SIGKILL);
            ::waitpid(child_, nullptr, 0);
        }
        child_ = -1;
    }

  private:
    pid_t child_ = -1;
    bool held_ = false;
};

// Address book in <tmp>/murello, appointment book in <tmp>/tessaplan, both
// with a "daten" folder and registered; messages recorded.
class SiblingFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        forgetSiblingFolders();
        setSiblingRegistry(&registry);
        setMessagePresenter(&presenter);
        registerFolder("Murello2", murelloFolder());
        registerFolder("Tessaplan2", tessaplanFolder());
        std::filesystem::create_directories(murelloFolder() + "/daten");
        std::filesystem::create_directories(tessaplanFolder() + "/daten");
    }
    void TearDown() override {
        setSiblingRegistry(nullptr);
        setMessagePresenter(nullptr);
        forgetSiblingFolders();
    }

    void registerFolder(const std::string& product, const std::string& folder) {
        registry.writeString({"Kolbrand", product, product}, "Path", folder);
    }
    std::string murelloFolder() const { return (temp.path() / "murello").string(); }
    std::string tessaplanFolder() const { return (temp.path() / "tessaplan").string(); }
    std::string contactsFile() const { return murelloFolder() + "/daten/kontakte.vdt"; }
    std::string appointmentsFile() const { return tessaplanFolder() + "/daten/termine.vdt"; }

    TempFolder temp;
    MemoryRegistry registry;
    RecordingPresenter presenter;
};

} // namespace veltrano::test
