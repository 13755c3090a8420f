// The structure check that every picture file passes before a decoder sees it: any bytes give
// a verdict, and a picture it lets through declares a size within the bound.
#include "FuzzCheck.h"

#include "platform/PictureCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace pelmora;
    const PictureCheck check = CheckPicture(fuzz::Text(data, size));
    if (check.problem.empty()) {
        PELMORA_FUZZ_CHECK(check.format != PictureFormat::Unknown);
        PELMORA_FUZZ_CHECK(check.width > 0 && check.height > 0);
        // Each side first, so the product cannot overflow and pass.
        PELMORA_FUZZ_CHECK(check.width <= kMaxPicturePixels && check.height <= kMaxPicturePixels);
        PELMORA_FUZZ_CHECK(check.width * check.height <= kMaxPicturePixels);
    }
    return 0;
}
