// The window design reader on any text; what it reads, written and read back, is the same design
// and the same text.
#include "FuzzCheck.h"

#include "designs/WindowDesign.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace pelmora::designs;
    const DesignReadResult read = ReadDesign(pelmora::fuzz::Text(data, size));
    if (!read.design)
        return 0;
    const std::string written = WriteDesign(*read.design);
    const DesignReadResult again = ReadDesign(written);
    PELMORA_FUZZ_CHECK(again.design.has_value());
    PELMORA_FUZZ_CHECK(*again.design == *read.design);
    PELMORA_FUZZ_CHECK(WriteDesign(*again.design) == written);
    return 0;
}
