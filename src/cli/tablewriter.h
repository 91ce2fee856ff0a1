#pragma once
// How a command prints a table or a list: TSV (the default, written as the rows come, byte for
// byte the tool's long-standing output), CSV (RFC 4180) or JSON ({"header": [...], "rows": [[...]]}
// plus the command's summary fields). CSV and JSON are written by finish(), so a command that stops
// half-way leaves no half document on stdout.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace lottodesk::cli {

enum class Format { Tsv, Csv, Json };

// "tsv", "csv" or "json".
std::optional<Format> formatNamed(const std::string& name);

class TableWriter {
public:
    TableWriter(std::ostream& out, Format format) : m_out(out), m_format(format) {}

    Format format() const { return m_format; }

    // The column names, printed as the first TSV line too.
    void header(std::vector<std::string> names);
    // The column names of a table whose TSV form has no header line.
    void columns(std::vector<std::string> names);
    // Columns that hold text even where a cell looks like a number (a formula "3", a name "12").
    void textColumns(std::vector<size_t> columns) { m_textColumns = std::move(columns); }
    void row(const std::vector<std::string>& cells);
    // A row whose cells may carry their own JSON value (`json` empty: the text's own), for a cell
    // whose text a script cannot read as what it means: an amount "7,165,213" is 7165213.
    struct Cell {
        std::string text;
        std::string json;
    };
    void typedRow(const std::vector<Cell>& cells);
    // A line after the rows (a caption, a total): its own TSV line; a field `key` of the JSON
    // object; on stderr beside CSV, whose records have no place for it.
    void summary(const std::string& key, const std::string& text) { summary({{key, text}}); }
    // Several fields on one TSV line, TAB-separated ("lo TAB hi"); each its own JSON field.
    void summary(const std::vector<std::pair<std::string, std::string>>& fields);
    // Writes the collected CSV or JSON document.
    void finish(std::ostream& err);

private:
    std::ostream& m_out;
    Format m_format;
    std::vector<std::string> m_header;
    std::vector<size_t> m_textColumns;
    std::vector<std::vector<std::string>> m_rows;
    std::vector<std::vector<std::string>> m_json;  // per row, the cells' own JSON ("" for none)
    std::vector<std::pair<std::string, std::string>> m_summary;
};

// A cell as JSON: a number where the text is one (leading zeros dropped, "08" is 8), an array
// where it holds several blank-separated whole numbers, else a string.
std::string jsonCell(const std::string& text, bool forceText = false);
// A text as a JSON string literal.
std::string jsonString(const std::string& text);
// A cell as an RFC 4180 field: quoted when it holds a comma, a quote or a line end.
std::string csvField(const std::string& text);

}  // namespace lottodesk::cli
