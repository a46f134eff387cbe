#include "CodePageFile.h"

#include "case/SafeFile.h"

#include <iconv.h>

namespace tidewell::report {
namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : Handle(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid())
            iconv_close(Handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return Handle != reinterpret_cast<iconv_t>(-1); }

    // Code page 932 and UTF-8 take at most three bytes each for a byte of the other.
    std::optional<std::string> Convert(std::string_view text) {
        std::string out(text.size() * 3 + 1, '\0');
        char* in = const_cast<char*>(text.data());
        size_t inLeft = text.size();
        char* outPtr = out.data();
        size_t outLeft = out.size();
        if (iconv(Handle, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            return std::nullopt;
        }
        out.resize(out.size() - outLeft);
        return out;
    }

  private:
    iconv_t Handle;
};

}  // namespace

std::optional<std::string> ToCodePage932(std::string_view utf8) {
    Converter converter("CP932", "UTF-8");
    if (!converter.Valid())
        return std::nullopt;
    return converter.Convert(utf8);
}

std::optional<std::string> FromCodePage932(std::string_view bytes) {
    Converter converter("UTF-8", "CP932");
    if (!converter.Valid())
        return std::nullopt;
    return converter.Convert(bytes);
}

EncodedLines EncodeCodePage932Lines(const std::vector<std::string>& lines) {
    EncodedLines encoded;
    Converter converter("CP932", "UTF-8");
    if (!converter.Valid()) {
        encoded.Failure = Message{MessageId::CodePageMissing, {}};
        return encoded;
    }
    for (const std::string& line : lines) {
        const std::optional<std::string> bytes = converter.Convert(line);
        if (!bytes) {
            encoded.Failure = Message{MessageId::NotInCodePage, {}};
            return encoded;
        }
        encoded.Bytes += *bytes;
        encoded.Bytes += "\r\n";
    }
    return encoded;
}

std::optional<Message> WriteCodePage932File(const std::string& path,
                                            const std::vector<std::string>& lines) {
    const EncodedLines encoded = EncodeCodePage932Lines(lines);
    if (encoded.Failure)
        return encoded.Failure;
    return WriteFileSafely(path, encoded.Bytes);
}

}  // namespace tidewell::report
