// fuzz-libs: platform_text
// fuzz-run: -dict=dictionaries/campaign.dict -max_len=4096
// Arbitrary bytes through the item reader, the line reader and the number conversions.
#include "platform/text/text_file.h"
#include "platform/text/vb.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    // The first byte chooses the mix of line and item reads; the rest is the file.
    const std::uint8_t pattern = data[0];
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    platform::text::TextReader reader(bytes);
    std::size_t reads = 0;
    std::size_t consumed = 0;
    while (!reader.atEnd()) {
        const bool line = ((pattern >> (reads % 8)) & 1) != 0;
        const std::string text = line ? reader.readLine() : reader.readItem();
        if (reader.position() > bytes.size() || text.size() > bytes.size()) {
            std::abort();
        }
        // Every read that does not reach the end must move on.
        if (reader.position() <= consumed && !reader.atEnd()) {
            std::abort();
        }
        consumed = reader.position();
        const double number = vb::val(text);
        // Each conversion saturates on its own; nothing is added up here.
        volatile long long rounded = vb::nearest(number);
        volatile long long floored = vb::intFloor(number);
        volatile long long truncated = vb::fix(number);
        volatile long long code = vb::hexValue(text);
        (void)rounded;
        (void)floored;
        (void)truncated;
        (void)code;
        (void)vb::mid(text, static_cast<long long>(pattern) - 2, static_cast<long long>(reads % 5) - 1);
        ++reads;
    }
    if (!reader.readItem().empty() || !reader.readLine().empty()) {
        std::abort();
    }

    (void)platform::text::splitLines(bytes);
    volatile double whole = vb::val(bytes);
    (void)vb::generalNumber(whole);
    return 0;
}
