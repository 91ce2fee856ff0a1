#include "cli/tablewriter.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace lottodesk::cli {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "-12", "007", "3.50": the JSON number of the text, or nothing.
std::optional<std::string> numberOf(std::string_view text) {
    std::string sign;
    if (!text.empty() && text[0] == '-') {
        sign = "-";
        text.remove_prefix(1);
    }
    const size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    if (whole.empty() || !std::all_of(whole.begin(), whole.end(), isDigit)) return std::nullopt;
    if (dot != std::string_view::npos && (fraction.empty() || !std::all_of(fraction.begin(), fraction.end(), isDigit)))
        return std::nullopt;
    const size_t first = std::min(whole.find_first_not_of('0'), whole.size() - 1);
    std::string number = sign + std::string(whole.substr(first));
    if (dot != std::string_view::npos) number += "." + std::string(fraction);
    return number == "-0" ? std::string("0") : number;
}

}  // namespace

std::optional<Format> formatNamed(const std::string& name) {
    if (name == "tsv") return Format::Tsv;
    if (name == "csv") return Format::Csv;
    if (name == "json") return Format::Json;
    return std::nullopt;
}

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string jsonCell(const std::string& text, bool forceText) {
    if (forceText) return jsonString(text);
    if (const std::optional<std::string> number = numberOf(text)) return *number;
    // Several whole numbers separated by single blanks: "03 08 19".
    if (text.find(' ') == std::string::npos) return jsonString(text);
    std::string array = "[";
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view part = std::string_view(text).substr(start, end - start);
        const std::optional<std::string> number = numberOf(part);
        if (!number || part.find('.') != std::string_view::npos) return jsonString(text);
        array += (array.size() > 1 ? "," : "") + *number;
        start = end + 1;
    }
    return array + "]";
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void TableWriter::header(std::vector<std::string> names) {
    if (m_format == Format::Tsv) row(names);
    m_header = std::move(names);
}

void TableWriter::columns(std::vector<std::string> names) { m_header = std::move(names); }

void TableWriter::row(const std::vector<std::string>& cells) {
    if (m_format != Format::Tsv) {
        m_rows.push_back(cells);
        return;
    }
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i) line += '\t';
        line += cells[i];
    }
    line += '\n';
    m_out << line;
}

void TableWriter::typedRow(const std::vector<Cell>& cells) {
    std::vector<std::string> texts;
    texts.reserve(cells.size());
    for (const Cell& cell : cells) texts.push_back(cell.text);
    if (m_format == Format::Json) {
        m_json.resize(m_rows.size());
        std::vector<std::string>& json = m_json.emplace_back();
        for (const Cell& cell : cells) json.push_back(cell.json);
    }
    row(texts);
}

void TableWriter::summary(const std::vector<std::pair<std::string, std::string>>& fields) {
    if (m_format == Format::Csv) {
        std::vector<std::string> texts;
        for (const auto& field : fields) texts.push_back(field.second);
        m_summary.emplace_back("", texts.empty() ? std::string() : texts.front());
        for (size_t i = 1; i < texts.size(); ++i) m_summary.back().second += "\t" + texts[i];
        return;
    }
    if (m_format == Format::Json) {
        m_summary.insert(m_summary.end(), fields.begin(), fields.end());
        return;
    }
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i].second;
    m_out << line << '\n';
}

void TableWriter::finish(std::ostream& err) {
    if (m_format == Format::Tsv) return;
    std::string text;
    if (m_format == Format::Csv) {
        auto record = [&](const std::vector<std::string>& cells) {
            for (size_t i = 0; i < cells.size(); ++i) text += (i ? "," : "") + csvField(cells[i]);
            text += "\r\n";
        };
        if (!m_header.empty()) record(m_header);
        for (const auto& cells : m_rows) record(cells);
        m_out << text;
        for (const auto& [key, line] : m_summary) err << line << '\n';
        return;
    }
    text = "{\"header\":[";
    for (size_t i = 0; i < m_header.size(); ++i) text += (i ? "," : "") + jsonString(m_header[i]);
    text += "],\"rows\":[";
    for (size_t r = 0; r < m_rows.size(); ++r) {
        text += r ? ",[" : "[";
        for (size_t c = 0; c < m_rows[r].size(); ++c) {
            const bool forceText = std::find(m_textColumns.begin(), m_textColumns.end(), c) != m_textColumns.end();
            const bool typed = r < m_json.size() && c < m_json[r].size() && !m_json[r][c].empty();
            text += (c ? "," : "") + (typed ? m_json[r][c] : jsonCell(m_rows[r][c], forceText));
        }
        text += ']';
    }
    text += ']';
    for (const auto& [key, line] : m_summary) text += "," + jsonString(key) + ":" + jsonCell(line);
    text += "}\n";
    m_out << text;
}

}  // namespace lottodesk::cli
