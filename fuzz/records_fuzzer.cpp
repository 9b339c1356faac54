// Feeds arbitrary bytes to the record decoding and, as a whole vdt file, to the
// scan of contacts and appointments. Any input must be read without crashing
// or reading out of bounds, and a decoded record saved again must read back to
// the same saved form.

#include "core/registry.h"
#include "records/appointment.h"
#include "records/contact.h"
#include "records/record_stream.h"
#include "records/sibling_folder.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using namespace veltrano;

struct Environment {
    Environment() {
        char pattern[] = "/tmp/veltrano-records-fuzz-XXXXXX";
        folder = ::mkdtemp(pattern);
        ::mkdir((folder + "/daten").c_str(), 0700);
        registry.writeString({"Kolbrand", "Murello2", "Murello2"}, "Path", folder);
        registry.writeString({"Kolbrand", "Tessaplan2", "Tessaplan2"}, "Path", folder);
        setSiblingRegistry(&registry);
    }
    std::string folder;
    MemoryRegistry registry;
};

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// The payload bytes a record writes.
template <typename Record>
std::vector<std::uint8_t> payloadOf(Record& record) {
    RecordStream out(RecordStream::Direction::Writing);
    record.Serialize(out);
    const auto written = out.written();
    return {written.begin(), written.end()};
}

// Decodes the bytes as a record and writes it; what it writes must read back to a
// record that writes the very same bytes.
template <typename Record>
void decode(const std::uint8_t* data, std::size_t size) {
    Record record;
    RecordStream in(RecordStream::Direction::Reading);
    in.load({data, size});
    record.Serialize(in);
    const std::vector<std::uint8_t> saved = payloadOf(record);
    Record reread;
    RecordStream again(RecordStream::Direction::Reading);
    again.load(saved);
    reread.Serialize(again);
    if (payloadOf(reread) != saved) {
        std::abort();
    }
}

template <typename Record>
void scan(const std::string& path, const std::uint8_t* data, std::size_t size) {
    writeFile(path, data, size);
    Record record;
    while (record.MoveNext()) {
        // every call advances by at least one block, so the scan ends
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Environment environment;
    decode<CAdress>(data, size);
    decode<CTermin>(data, size);
    scan<CAdress>(environment.folder + "/daten/kontakte.vdt", data, size);
    scan<CTermin>(environment.folder + "/daten/termine.vdt", data, size);
    return 0;
}
