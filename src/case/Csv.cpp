#include "Csv.h"

#include <algorithm>
#include <cstring>

namespace tidewell {
namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

// Only spaces, which CsvField quotes, so that a written record reads back.
bool IsBlank(const CsvRecord& record, bool anyQuoted) {
    return !anyQuoted && record.size() == 1 &&
           record[0].find_first_not_of(' ') == std::string::npos;
}

}  // namespace

CsvReader::CsvReader(Source source) : Fill(std::move(source)), Buffer(kBufferBytes) {}

int CsvReader::Peek() {
    if (Begin == End) {
        Begin = 0;
        End = Fill ? Fill(Buffer.data(), Buffer.size()) : 0;
        if (End == 0)
            return -1;
    }
    return static_cast<unsigned char>(Buffer[Begin]);
}

int CsvReader::Take() {
    const int c = Peek();
    if (c >= 0)
        ++Begin;
    return c;
}

std::optional<CsvRecord> CsvReader::Next() {
    if (Problem)
        return std::nullopt;
    if (!Started) {
        Started = true;
        static constexpr char kMark[] = "\xEF\xBB\xBF";
        // Enough of the start to see the whole mark, however small the pieces.
        while (Fill && End < 3) {
            const std::size_t n = Fill(Buffer.data() + End, Buffer.size() - End);
            if (n == 0)
                break;
            End += n;
        }
        if (End >= 3 && std::memcmp(Buffer.data(), kMark, 3) == 0)
            Begin = 3;
    }
    const auto fail = [&](MessageId id, int line) {
        Problem = Message{id, {}};
        ProblemLine = line;
        return std::nullopt;
    };
    for (;;) {
        CsvRecord record;
        std::string field;
        bool wasQuoted = false, anyQuoted = false, open = false;
        std::size_t bytes = 0;
        StartLine = Line;
        int c = Take();
        if (c < 0)
            return std::nullopt;
        for (; c >= 0 && c != '\n' && c != '\r'; c = Take()) {
            if (++bytes > kMaxCsvRecordBytes)
                return fail(MessageId::CsvRecordTooLong, StartLine);
            open = true;
            if (c == '"') {
                if (wasQuoted || !field.empty())
                    return fail(MessageId::CsvQuoteMisplaced, Line);
                wasQuoted = anyQuoted = true;
                const int quoteLine = Line;
                for (;;) {
                    const int q = Take();
                    if (q < 0)
                        return fail(MessageId::CsvQuoteUnclosed, quoteLine);
                    if (++bytes > kMaxCsvRecordBytes)
                        return fail(MessageId::CsvRecordTooLong, StartLine);
                    if (q == '"') {
                        if (Peek() != '"')
                            break;
                        Take();
                    }
                    Line += q == '\n';
                    field += static_cast<char>(q);
                }
            } else if (c == ',') {
                record.push_back(std::move(field));
                field.clear();
                wasQuoted = false;
            } else if (wasQuoted) {
                return fail(MessageId::CsvTextAfterQuote, Line);
            } else {
                field += static_cast<char>(c);
            }
        }
        if (c == '\r' && Peek() == '\n')
            Take();
        if (c >= 0)
            ++Line;
        if (!open)
            continue;
        record.push_back(std::move(field));
        if (IsBlank(record, anyQuoted))
            continue;
        return record;
    }
}

CsvReader::Source TextSource(std::string_view text) {
    return [text](char* buffer, std::size_t size) mutable {
        const std::size_t n = std::min(size, text.size());
        if (n > 0)
            std::memcpy(buffer, text.data(), n);
        text.remove_prefix(n);
        return n;
    };
}

CsvTable ReadCsv(std::string_view text) {
    CsvReader reader(TextSource(text));
    CsvTable table;
    while (std::optional<CsvRecord> record = reader.Next())
        table.Records.push_back(std::move(*record));
    table.Error = reader.Error();
    table.ErrorLine = reader.ErrorLine();
    return table;
}

std::string CsvField(std::string_view field) {
    const bool plain = field.find_first_of(",\"\r\n") == std::string_view::npos &&
                       (field.empty() || (field.front() != ' ' && field.back() != ' '));
    if (plain)
        return std::string(field);
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace tidewell
