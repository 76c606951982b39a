// The record decoder, the record parser and the records file reader take any bytes
// without crashing, and a file that reads as good saves and reads back to the same
// records, which send the same bytes.
#include "console/RecordDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)records::DecodeRecord(text);
    std::vector<uint8_t> bytes;
    // Two digits per byte at least; a text that names nothing appends nothing.
    const bool named = records::AppendRecordBytes(text, bytes);
    if (bytes.size() > size / 2 || (!named && !bytes.empty())) std::abort();
    const records::ImportResult r = records::ParseRecordsFile(text);
    if (r.ok) {
        std::vector<std::string_view> views(r.records.begin(), r.records.end());
        const records::ImportResult again =
            records::ParseRecordsFile(records::FormatRecordsFile(views));
        if (!again.ok || again.records != r.records) std::abort();
        for (const std::string& record : r.records)
            if (!records::RecordBytes(record)) std::abort();
    }
    return 0;
}
