#include "CaseBatchTable.h"

#include <algorithm>

#include "TypedInputs.h"

namespace tidewell::session {
namespace {

constexpr std::string_view kNameColumn = "name";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsKnownColumn(std::string_view column) {
    const std::vector<std::string_view> names = InputNames();
    return column == kNameColumn || std::find(names.begin(), names.end(), column) != names.end();
}

// A column that is no input (named), or one given twice.
std::optional<Message> HeaderProblem(const std::vector<std::string>& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string& column = columns[i];
        if (!IsKnownColumn(column))
            return Message{MessageId::BatchUnknownColumn, {CleanUtf8(column)}};
        if (std::find(columns.begin(), columns.begin() + static_cast<long>(i), column) !=
            columns.begin() + static_cast<long>(i))
            return Message{MessageId::BatchColumnTwice, {column}};
    }
    return std::nullopt;
}

// The length of the UTF-8 character (other than NUL) at the start of the
// text; 0 when the bytes there are none.
std::size_t CharacterLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead == 0)
        return 0;
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

Message HeaderAtLine(int line, Message problem) {
    return {MessageId::BatchAtLine, {std::to_string(line), std::move(problem)}};
}

Message RowAtLine(std::size_t row, int line, Message problem) {
    return {MessageId::BatchRowAtLine,
            {std::to_string(row), std::to_string(line), std::move(problem)}};
}

}  // namespace

CaseBatchReader::CaseBatchReader(CsvReader::Source source) : Csv(std::move(source)) {
    std::optional<CsvRecord> header = Csv.Next();
    if (!header) {
        Why = Csv.Error() ? HeaderAtLine(Csv.ErrorLine(), *Csv.Error())
                          : Message{MessageId::BatchNoHeader, {}};
        return;
    }
    if ((Why = HeaderProblem(*header)))
        return;
    Header = std::move(*header);
}

std::optional<CsvRecord> CaseBatchReader::NextRow() {
    if (Why)
        return std::nullopt;
    std::optional<CsvRecord> row = Csv.Next();
    if (!row) {
        if (Csv.Error())
            Why = RowAtLine(RowsRead + 1, Csv.ErrorLine(), *Csv.Error());
        return std::nullopt;
    }
    ++RowsRead;
    if (row->size() != Header.size()) {
        Why = Message{MessageId::BatchCellCount,
                      {std::to_string(RowsRead), std::to_string(Csv.RecordLine()),
                       std::to_string(row->size()), std::to_string(Header.size())}};
        return std::nullopt;
    }
    return row;
}

CaseBatchRead CheckCaseBatch(CaseBatch batch) {
    if (std::optional<Message> problem = HeaderProblem(batch.Columns))
        return {std::nullopt, std::move(problem)};
    for (std::size_t r = 0; r < batch.Rows.size(); ++r) {
        if (batch.Rows[r].size() != batch.Columns.size())
            return {std::nullopt,
                    Message{MessageId::BatchRowCellCount,
                            {std::to_string(r + 1), std::to_string(batch.Rows[r].size()),
                             std::to_string(batch.Columns.size())}}};
    }
    return {std::move(batch), std::nullopt};
}

CaseBatchRead ParseCaseBatch(std::string_view text) {
    CaseBatchReader reader(TextSource(text));
    CaseBatch batch;
    batch.Columns = reader.Columns();
    while (std::optional<CsvRecord> row = reader.NextRow())
        batch.Rows.push_back(std::move(*row));
    if (reader.Problem())
        return {std::nullopt, reader.Problem()};
    return {std::move(batch), std::nullopt};
}

bool IsCleanUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = CharacterLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string CleanUtf8(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = CharacterLength(text);
        clean += length == 0 ? kReplacement : text.substr(0, length);
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return clean;
}

}  // namespace tidewell::session
