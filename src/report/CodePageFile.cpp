#include "CodePageFile.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tidewell {
namespace {

std::string SystemReason(int error) {
    return std::strerror(error);
}

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

std::optional<std::string> WriteAll(int fd, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return SystemReason(errno);
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 && errno != EINVAL)
        return SystemReason(errno);
    return std::nullopt;
}

// Gives the new file the permissions an ordinarily created file would have.
void ApplyUmask(int fd) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

}  // namespace

std::optional<std::string> ToCodePage932(std::string_view utf8) {
    Converter converter;
    if (!converter.Valid())
        return std::nullopt;
    return converter.Convert(utf8);
}

std::optional<std::string> WriteCodePage932File(const std::string& path,
                                                const std::vector<std::string>& lines) {
    Converter converter;
    if (!converter.Valid())
        return "コードページ932の変換を開けません";
    std::string bytes;
    for (const std::string& line : lines) {
        const std::optional<std::string> encoded = converter.Convert(line);
        if (!encoded)
            return "文字をコードページ932に変換できません";
        bytes += *encoded;
        bytes += "\r\n";
    }

    std::string temporary = path + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return SystemReason(errno);
    ApplyUmask(fd);
    std::optional<std::string> failure = WriteAll(fd, bytes);
    if (::close(fd) != 0 && !failure)
        failure = SystemReason(errno);
    if (!failure && ::rename(temporary.c_str(), path.c_str()) != 0)
        failure = SystemReason(errno);
    if (failure)
        ::unlink(temporary.c_str());
    return failure;
}

}  // namespace tidewell
