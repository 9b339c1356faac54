#include "records/var_base.h"

#include "core/translation.h"
#include "tests/records/records_fixture.h"

#include <gtest/gtest.h>

#include <fstream>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace veltrano {
namespace {

using test::Bytes;

class PathStore : public CVarBase {
  public:
    explicit PathStore(std::string path) : path_(std::move(path)) {}
    std::string GetFilePath() const override { return path_; }

  private:
    std::string path_;
};

class VarBaseTest : public ::testing::Test {
  protected:
    void SetUp() override { setMessagePresenter(&presenter); }
    void TearDown() override { setMessagePresenter(nullptr); }
    std::string file(const std::string& name) const { return (temp.path() / name).string(); }

    test::TempFolder temp;
    test::RecordingPresenter presenter;
};

TEST_F(VarBaseTest, BlockCountRoundsPartialBlocksUpWhetherOpenOrClosed) {
    for (std::size_t size : {0u, 1u, 255u, 256u, 257u, 256u * 3 + 10}) {
        std::string path = file("count.vdt");
        test::writeFileBytes(path, Bytes(size, 0x11));
        PathStore store(path);
        std::uint32_t expected = static_cast<std::uint32_t>((size + 255) / 256);
        EXPECT_EQ(store.GetBlockCount(), expected) << size;
        ASSERT_TRUE(store.Open());
        EXPECT_EQ(store.GetBlockCount(), expected) << size;
        store.Close();
    }
    EXPECT_EQ(PathStore(file("none.vdt")).GetBlockCount(), 0u);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(VarBaseTest, OpenNeverCreatesAMissingFileAndNests) {
    std::string path = file("new.vdt");
    PathStore store(path);
    EXPECT_FALSE(store.Open());
    EXPECT_FALSE(std::filesystem::exists(path)) << "the file belongs to another product";
    EXPECT_EQ(store.lastError(), ENOENT);
    ASSERT_EQ(presenter.shown.size(), 1u);

    test::writeFileBytes(path, {});
    ASSERT_TRUE(store.Open());
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(store.openCount(), 2);
    store.Close();
    EXPECT_TRUE(store.IsOpen());
    store.Close();
    EXPECT_FALSE(store.IsOpen());
    store.Close(); // closing a closed store does nothing
    EXPECT_EQ(store.openCount(), 0);
}

// A file without write permission is read, never written, also by root.
TEST_F(VarBaseTest, AFileWithoutWritePermissionIsOpenedForReadingOnly) {
    std::string path = file("readonly.vdt");
    test::writeFileBytes(path, Bytes(256 * 2, 0x11));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    PathStore store(path);
    Bytes buffer(256);
    EXPECT_TRUE(store.ReadBlocks(1, 1, buffer.data()));
    EXPECT_EQ(buffer, Bytes(256, 0x11));
    EXPECT_FALSE(store.WriteBlocks(1, 1, Bytes(256, 0).data()));
    EXPECT_EQ(store.lastError(), EACCES);
    EXPECT_EQ(test::readFileBytes(path), Bytes(256 * 2, 0x11));
}

TEST_F(VarBaseTest, OpenInAMissingFolderReportsTheErrorWithThePath) {
    std::string path = file("nofolder/daten/kontakte.vdt");
    PathStore store(path);
    EXPECT_FALSE(store.Open());
    EXPECT_FALSE(store.IsOpen());
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text,
              "Der folgende Fehler ist aufgetreten:\nDatei nicht gefunden\n" + path);
    EXPECT_EQ(presenter.shown[0].style, MessageStyle::IconExclamation);
}

TEST_F(VarBaseTest, TheReportIsShownInTheUsersLanguage) {
    const std::string lang = file("lang.ini");
    {
        std::ofstream out(lang);
        out << "item=Der folgende Fehler ist aufgetreten:\\n#Fout:\\n#The following error "
               "occurred:\\n\n"
               "item=Datei nicht gefunden#Niet gevonden#File not found\n";
    }
    ASSERT_TRUE(loadTranslationFile(lang, ""));
    setCurrentLanguage(2);
    std::string path = file("nofolder/daten/kontakte.vdt");
    PathStore store(path);
    EXPECT_FALSE(store.Open());
    setCurrentLanguage(0);
    clearTranslationTable();
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "The following error occurred:\nFile not found\n" + path);
}

TEST(FileErrorCauseText, UsesTheTableOrTheNumber) {
    EXPECT_EQ(fileErrorCauseText(ENOENT), "Datei nicht gefunden");
    EXPECT_EQ(fileErrorCauseText(EACCES), "Zugriff verweigert");
    EXPECT_EQ(fileErrorCauseText(ENOSPC), "Festplatte voll");
    EXPECT_EQ(fileErrorCauseText(0), "Keine Fehlerinformation");
    EXPECT_EQ(fileErrorCauseText(EXDEV), " Diskerror : " + std::to_string(EXDEV) + " ");
}

TEST_F(VarBaseTest, ReadBlocksZeroFillsThePartialLastBlockAndFailsPastTheEnd) {
    std::string path = file("partial.vdt");
    Bytes content(256 * 2 + 10);
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<std::uint8_t>(i % 251 + 1);
    test::writeFileBytes(path, content);
    PathStore store(path);
    ASSERT_EQ(store.GetBlockCount(), 3u);

    Bytes buffer(256 * 4, 0xEE);
    ASSERT_TRUE(store.ReadBlocks(1, 4, buffer.data()));
    EXPECT_TRUE(std::equal(content.begin() + 256, content.end(), buffer.begin()));
    EXPECT_TRUE(
        std::all_of(buffer.begin() + 256 + 10, buffer.end(), [](auto b) { return b == 0; }));
    EXPECT_FALSE(store.ReadBlocks(3, 1, buffer.data()));
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.begin() + 256, [](auto b) { return b == 0; }));
    EXPECT_FALSE(store.IsOpen());
    EXPECT_TRUE(presenter.shown.empty());
}

// A second process holding a lock on the blocks makes an access wait for it,
// then fail after five seconds without a message.
TEST_F(VarBaseTest, ALockHeldByAnotherProcessIsWaitedForThenTheAccessFails) {
    std::string path = file("locked.vdt");
    test::writeFileBytes(path, Bytes(256 * 4, 0x11));
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int fd = ::open(path.c_str(), O_RDWR);
        struct flock lock = {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = 512; // block 2 only
        lock.l_len = 256;
        char answer = (fd >= 0 && ::fcntl(fd, F_OFD_SETLK, &lock) == 0) ? 'y' : 'n';
        (void)!::write(ready[1], &answer, 1);
        ::alarm(30); // never outlives a test run that was cut short
        ::pause();   // holds the lock until killed
        ::_exit(0);
    }
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');

    PathStore store(path);
    Bytes buffer(256 * 4);
    EXPECT_TRUE(store.ReadBlocks(1, 1, buffer.data())) << "block 1 is not locked";
    auto start = std::chrono::steady_clock::now();
    bool read = store.ReadBlocks(1, 2, buffer.data()); // overlaps block 2
    auto waited = std::chrono::steady_clock::now() - start;
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    // It failed, and only after it had kept trying for the whole wait; how much
    // longer a busy machine took does not matter.
    EXPECT_FALSE(read);
    EXPECT_GE(waited, std::chrono::milliseconds(CVarBase::kLockTimeoutMs));
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_FALSE(store.IsOpen());
    // With the other process gone the same access succeeds at once.
    EXPECT_TRUE(store.ReadBlocks(1, 2, buffer.data()));
}

} // namespace
} // namespace veltrano
