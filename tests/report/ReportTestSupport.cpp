#include "ReportTestSupport.h"

#include <dirent.h>
#include <iconv.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace tidewell::test {

ScratchDir::ScratchDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tidewell-report-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    }
    Dir = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(Dir, ignored);
}

std::vector<std::string> ScratchDir::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ScratchDir::TemporaryLeftovers() const {
    std::vector<std::string> leftovers;
    for (const std::string& name : Entries()) {
        if (name.find(".tmp-") != std::string::npos)
            leftovers.push_back(name);
    }
    return leftovers;
}

WorkingDirectory::WorkingDirectory(const std::string& dir)
    : Previous(std::filesystem::current_path().string()) {
    std::filesystem::current_path(dir);
}

WorkingDirectory::~WorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(Previous, ignored);
}

std::optional<std::string> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string GoldenPath(const std::string& name) {
    return std::string(TIDEWELL_GOLDEN_DIR) + "/" + name;
}

std::optional<std::vector<std::string>> SplitCrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            return std::nullopt;
        std::string line = bytes.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos)
            return std::nullopt;
        lines.push_back(std::move(line));
        start = end + 2;
    }
    return lines;
}

std::optional<std::string> DecodeCodePage932(const std::string& bytes) {
    iconv_t handle = iconv_open("UTF-8", "CP932");
    if (handle == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out(bytes.size() * 3 + 1, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    const size_t done = iconv(handle, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(handle);
    if (done == static_cast<size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

namespace {

std::string Readable(const std::string& cp932) {
    const std::optional<std::string> decoded = DecodeCodePage932(cp932);
    std::ostringstream text;
    text << '"' << (decoded ? *decoded : std::string("<not code page 932>")) << '"';
    text << " (" << cp932.size() << " bytes)";
    return text.str();
}

}  // namespace

std::optional<std::string> FirstDifference(const std::string& expected, const std::string& actual) {
    if (expected == actual)
        return std::nullopt;
    std::ostringstream out;
    const auto expectedLines = SplitCrLfLines(expected);
    const auto actualLines = SplitCrLfLines(actual);
    if (!expectedLines || !actualLines) {
        out << "not a CR LF text (expected " << expected.size() << " bytes, got " << actual.size()
            << ")";
        return out.str();
    }
    const size_t common = std::min(expectedLines->size(), actualLines->size());
    for (size_t i = 0; i < common; ++i) {
        if ((*expectedLines)[i] != (*actualLines)[i]) {
            out << "line " << i + 1 << " differs:\n  expected " << Readable((*expectedLines)[i])
                << "\n  actual   " << Readable((*actualLines)[i]);
            return out.str();
        }
    }
    out << "line counts differ: expected " << expectedLines->size() << ", got "
        << actualLines->size();
    return out.str();
}

}  // namespace tidewell::test
