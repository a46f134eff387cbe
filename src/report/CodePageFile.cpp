#include "CodePageFile.h"

#include "case/SafeFile.h"

#include <iconv.h>

namespace tidewell::report {
namespace {

class Converter {
  public:
    Converter() : Handle(iconv_open("CP932", "UTF-8")) {}
    ~Converter() {
        if (Valid())
            iconv_close(Handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return Handle != reinterpret_cast<iconv_t>(-1); }

    std::optional<std::string> Convert(std::string_view utf8) {
        // Every UTF-8 character of one to four bytes becomes at most two bytes.
        std::string out(utf8.size() * 2 + 1, '\0');
        char* in = const_cast<char*>(utf8.data());
        size_t inLeft = utf8.size();
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
    Converter converter;
    if (!converter.Valid())
        return std::nullopt;
    return converter.Convert(utf8);
}

EncodedLines EncodeCodePage932Lines(const std::vector<std::string>& lines) {
    EncodedLines encoded;
    Converter converter;
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
