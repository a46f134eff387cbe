#include "FullPrecisionText.h"

#include <array>
#include <charconv>

namespace tidewell {

std::string SeventeenDigits(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, 17);
    return {buffer.data(), end.ptr};
}

}  // namespace tidewell
