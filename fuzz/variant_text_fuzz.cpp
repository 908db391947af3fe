// Conversions of text by the automation rules. A number read from text and written again
// must read back to the same text, and no conversion may fail otherwise than by ComError.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/com/com_error.h"
#include "platform/com/variant.h"

namespace {

template <class Conversion>
void convert(Conversion conversion) {
    try {
        conversion();
    } catch (const quenmoor::com::ComError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quenmoor::com;
    const std::string text(reinterpret_cast<const char*>(data), size);
    // Text beyond a Double's range reads as an infinity, which conversions refuse as an
    // overflow; so does the largest Double, written with 15 digits and so rounded up.
    if (auto number = parseDouble(text); number && std::isfinite(*number)) {
        const std::string written = formatDouble(*number);
        const auto reread = parseDouble(written);
        if (!reread || (std::isfinite(*reread) && formatDouble(*reread) != written)) {
            std::abort();
        }
    }
    const Variant value(text);
    convert([&] { (void)value.toDouble(); });
    convert([&] { (void)value.toInt16(); });
    convert([&] { (void)value.toInt32(); });
    convert([&] { (void)value.toInt64(); });
    convert([&] { (void)value.toBool(); });
    convert([&] { (void)(value == Variant(0.0)); });
    return 0;
}
