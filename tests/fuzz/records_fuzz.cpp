// The record decoder, the positional byte reader and the records file reader take
// any bytes without crashing, and a file that reads as good saves
// and reads back to the same records.
#include "console/RecordDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)records::DecodeRecord(text);
    std::vector<uint8_t> bytes;
    records::AppendRecordBytes(text, bytes);
    // At most one byte per three characters: pairs with no hex digit are dropped.
    if (bytes.size() > (size + 2) / 3) std::abort();
    const records::ImportResult r = records::ParseRecordsFile(text);
    if (r.ok) {
        std::vector<std::string_view> views(r.records.begin(), r.records.end());
        const records::ImportResult again =
            records::ParseRecordsFile(records::FormatRecordsFile(views));
        if (!again.ok || again.records != r.records) std::abort();
    }
    return 0;
}
