// A print-setup library for the tests: instead of showing a dialog it answers
// as the test has told it to, and remembers what it was given.

#include "render/print_setup.h"

namespace {

std::int32_t answer = 1;
std::int32_t chosenDevice = 2;
veltrano::PrintSetupRecord lastRecord;

} // namespace

extern "C" {

__attribute__((visibility("default"))) std::int32_t
veltranoPrintSetup(veltrano::PrintSetupRecord* record) {
    lastRecord = *record;
    if (answer == 0) {
        return 0;
    }
    record->setup1 += 100;
    record->setup2 += 5;
    record->setup3 = 7;
    record->device = chosenDevice;
    return answer;
}

__attribute__((visibility("default"))) void testSetAnswer(std::int32_t result,
                                                          std::int32_t device) {
    answer = result;
    chosenDevice = device;
}

__attribute__((visibility("default"))) veltrano::PrintSetupRecord testLastRecord() {
    return lastRecord;
}

} // extern "C"
