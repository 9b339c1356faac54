#include "render/print_job.h"
#include "render/print_setup.h"

#include "print_fakes.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace veltrano {
namespace {

using testing::FakePrinter;
using Log = std::vector<std::string>;

std::string pluginPath() {
#ifdef VELTRANO_TEST_PRINT_SETUP
    return VELTRANO_TEST_PRINT_SETUP;
#else
    return VELTRANO_BINARY_DIR "/tests/render/plugin/libveltrano_test_print_setup.so";
#endif
}

bool pluginLoaded() {
    void* handle = dlopen(pluginPath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr) {
        dlclose(handle);
    }
    return handle != nullptr;
}

// Tells the loaded plugin how to answer, without keeping it loaded.
void setPluginAnswer(std::int32_t result, std::int32_t device) {
    void* handle = dlopen(pluginPath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr);
    auto set =
        reinterpret_cast<void (*)(std::int32_t, std::int32_t)>(dlsym(handle, "testSetAnswer"));
    ASSERT_NE(set, nullptr);
    set(result, device);
    dlclose(handle);
}

PrintSetupRecord lastRecord() {
    void* handle = dlopen(pluginPath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(handle, nullptr);
    auto get = reinterpret_cast<PrintSetupRecord (*)()>(dlsym(handle, "testLastRecord"));
    const PrintSetupRecord record = get();
    dlclose(handle);
    return record;
}

class PrintSetupLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        // The library is built with the tests; without it nothing here is checked.
        ASSERT_TRUE(std::filesystem::exists(pluginPath()))
            << "test print-setup library not built: " << pluginPath();
        setPrintSetupLibraryName(pluginPath());
    }
    void TearDown() override { setPrintSetupLibraryName(""); }
};

TEST_F(PrintSetupLibrary, ChoosesThePrinterAndKeepsTwoSetupValues) {
    FakePrinter printer(testing::a4Printer());
    {
        PrintJob job(printer);
        ASSERT_TRUE(pluginLoaded());
        setPluginAnswer(1, 3);
        ASSERT_TRUE(job.startJob("Jahreskalender", true));
        const PrintSetupRecord given = lastRecord();
        EXPECT_EQ(given.landscape, 1);
        EXPECT_EQ(given.setup1, 0);
        EXPECT_EQ(given.setup2, 10);
        EXPECT_EQ(given.setup3, 1);
        EXPECT_EQ(given.device, 0);
        EXPECT_EQ(job.setupValues(), (std::array<std::int32_t, 3>{0, 15, 7}));
        EXPECT_TRUE(job.endJob());
    }
    EXPECT_EQ(printer.log, (Log{"numbered 3 landscape", "startDocument Jahreskalender",
                                "endDocument", "release"}));
    EXPECT_FALSE(pluginLoaded());
}

TEST_F(PrintSetupLibrary, CancelOrNoPrinterStopsWithoutTheDialog) {
    for (const auto& [answer, device] : {std::pair{0, 2}, std::pair{1, 0}}) {
        FakePrinter printer(testing::a4Printer());
        PrintJob job(printer);
        setPluginAnswer(answer, device);
        EXPECT_FALSE(job.startJob("Kalender", false));
        EXPECT_TRUE(printer.log.empty());
    }
}

TEST_F(PrintSetupLibrary, FileOutputNeverAsksTheLibrary) {
    FakePrinter pdf(testing::a4Printer());
    pdf.offersChoice = false;
    PrintJob job(pdf);
    setPluginAnswer(0, 0); // would cancel if it were asked
    EXPECT_TRUE(job.startJob("Kalender", false));
    EXPECT_EQ(pdf.log.front(), "dialog portrait");
}

TEST_F(PrintSetupLibrary, StaysLoadedWhileAnyJobLives) {
    FakePrinter printer(testing::a4Printer());
    auto first = std::make_unique<PrintJob>(printer);
    auto second = std::make_unique<PrintJob>(printer);
    first.reset();
    EXPECT_TRUE(pluginLoaded());
    second.reset();
    EXPECT_FALSE(pluginLoaded());
    PrintJob again(printer); // looked for anew
    EXPECT_TRUE(pluginLoaded());
}

TEST(PrintSetupAbsent, StandardDialogIsUsed) {
    const struct {
        const char* name;
    } cases[] = {{"libveltrano-no-such-library.so"}, {"libm.so.6"}}; // missing; no entry point
    for (const auto& c : cases) {
        setPrintSetupLibraryName(c.name);
        FakePrinter printer(testing::a4Printer());
        {
            PrintJob job(printer);
            EXPECT_EQ(printSetupEntry(), nullptr) << c.name;
            EXPECT_TRUE(job.startJob("Kalender", false));
        }
        EXPECT_EQ(printer.log.front(), "dialog portrait") << c.name;
    }
    setPrintSetupLibraryName("");
}

} // namespace
} // namespace veltrano
