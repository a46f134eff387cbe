// Feeds arbitrary bytes to the case file reader: it refuses a text with a
// problem or reads a case that writes back as a file that reads the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "case/CaseFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tidewell::CaseFileParse parse = tidewell::ParseCaseFile(text);
    const bool refused = !parse.Case;
    if (refused != (parse.Problem != tidewell::Message{})) {
        std::fprintf(stderr, "a case file is refused exactly when it has a problem\n");
        std::abort();
    }
    if (refused)
        return 0;
    const tidewell::CaseFileParse again =
        tidewell::ParseCaseFile(tidewell::CaseFileText(*parse.Case));
    if (again.Case != parse.Case) {
        std::fprintf(stderr, "a case file reads back the same\n");
        std::abort();
    }
    return 0;
}
