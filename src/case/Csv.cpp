#include "Csv.h"

namespace tidewell {

CsvTable ReadCsv(std::string_view text) {
    CsvTable table;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    CsvRecord record;
    std::string field;
    bool quoted = false;      // inside a quoted field
    bool wasQuoted = false;   // the current field was quoted
    bool recordOpen = false;  // something of the current record was read
    int line = 1;
    int quoteLine = 0;
    const auto endField = [&] {
        record.push_back(std::move(field));
        field.clear();
        wasQuoted = false;
    };
    const auto endRecord = [&] {
        if (recordOpen) {
            endField();
            table.Records.push_back(std::move(record));
        }
        record.clear();
        recordOpen = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n';
                field += c;
            }
            continue;
        }
        if (c == '"') {
            if (wasQuoted || !field.empty()) {
                table.Error = "引用符の位置が正しくありません";
                table.ErrorLine = line;
                return table;
            }
            quoted = wasQuoted = recordOpen = true;
            quoteLine = line;
        } else if (c == ',') {
            recordOpen = true;
            endField();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRecord();
            ++line;
        } else if (wasQuoted) {
            table.Error = "引用符の後に文字があります";
            table.ErrorLine = line;
            return table;
        } else {
            recordOpen = true;
            field += c;
        }
    }
    if (quoted) {
        table.Error = "引用符が閉じていません";
        table.ErrorLine = quoteLine;
        return table;
    }
    endRecord();
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
