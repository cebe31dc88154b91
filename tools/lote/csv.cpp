#include "csv.h"

#include <cstring>
#include <istream>
#include <ostream>
#include <sstream>

namespace quintaro::lote {
namespace {

constexpr char kSeparator = ';';
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t kChunk = 1 << 16;
constexpr int kEnd = -1;

// The bytes that end a plain field.
bool is_special(int c) {
    return c == kSeparator || c == '"' || c == '\r' || c == '\n';
}

bool needs_quotes(std::string_view field) {
    for (char c : field) {
        if (c == kSeparator || c == '"' || c == '\r' || c == '\n')
            return true;
    }
    return false;
}

std::string_view eol_text(LineEnd end) {
    switch (end) {
        case LineEnd::CrLf:
            return "\r\n";
        case LineEnd::Cr:
            return "\r";
        case LineEnd::Lf:
            break;
    }
    return "\n";
}

}  // namespace

CsvReader::CsvReader(std::istream& in) : in_(in), buffer_(kChunk) {}

// Every byte passes here once: the digest and the UTF-8 check run over each
// chunk as it arrives, apart from the parsing. Both readings of a file get the
// same chunks, so the digest may take them eight bytes at a time.
bool CsvReader::refill() {
    if (!in_.good())
        return false;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    const auto got = static_cast<std::size_t>(in_.gcount());
    if (in_.bad()) {
        error_ = "erro de leitura da entrada";
        return false;
    }
    pos_ = 0;
    end_ = got;
    const char* bytes = buffer_.data();
    std::size_t i = 0;
    for (; i + 8 <= got; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, sizeof word);
        digest_ = (digest_ ^ word) * 1099511628211ull;
        if (utf8_ok_ && ((word & 0x8080808080808080ull) != 0 || utf8_pending_ != 0)) {
            for (std::size_t k = 0; k < 8; ++k)
                take_utf8(static_cast<unsigned char>(bytes[i + k]));
        }
    }
    for (; i < got; ++i) {
        digest_ = (digest_ ^ static_cast<unsigned char>(bytes[i])) * 1099511628211ull;
        take_utf8(static_cast<unsigned char>(bytes[i]));
    }
    return got > 0;
}

// RFC 3629: no overlong forms, no surrogates, nothing past U+10FFFF.
void CsvReader::take_utf8(unsigned char b) {
    if (!utf8_ok_)
        return;
    if (utf8_pending_ == 0) {
        if (b < 0x80)
            return;
        utf8_lead_ = b;
        if (b >= 0xC2 && b <= 0xDF) {
            utf8_pending_ = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            utf8_pending_ = 2;
        } else if (b >= 0xF0 && b <= 0xF4) {
            utf8_pending_ = 3;
        } else {
            utf8_ok_ = false;
        }
        return;
    }
    bool ok = (b & 0xC0) == 0x80;
    switch (utf8_lead_) {
        case 0xE0:
            ok = ok && b >= 0xA0;
            break;
        case 0xED:
            ok = ok && b <= 0x9F;
            break;
        case 0xF0:
            ok = ok && b >= 0x90;
            break;
        case 0xF4:
            ok = ok && b <= 0x8F;
            break;
        default:
            break;
    }
    utf8_lead_ = 0;
    utf8_ok_ = ok;
    --utf8_pending_;
}

int CsvReader::get() {
    if (pos_ == end_ && !refill())
        return kEnd;
    return static_cast<unsigned char>(buffer_[pos_++]);
}

int CsvReader::peek() {
    if (pos_ == end_ && !refill())
        return kEnd;
    return static_cast<unsigned char>(buffer_[pos_]);
}

bool CsvReader::next(Record& record) {
    if (!error_.empty())
        return false;
    if (!started_) {
        started_ = true;
        refill();
        if (end_ >= kBom.size() && std::string_view(buffer_.data(), kBom.size()) == kBom) {
            had_bom_ = true;
            pos_ = kBom.size();
        }
    }
    record.size = 0;
    record.line = line_;
    std::string* field = nullptr;
    const auto start_field = [&] {
        if (record.size == record.fields.size())
            record.fields.emplace_back();
        field = &record.fields[record.size++];
        field->clear();
    };
    start_field();
    bool quoted = false;
    bool anything = false;  // a separator or a quote makes a line a record
    for (;;) {
        const int c = get();
        if (c == kEnd) {
            if (!error_.empty())
                return false;
            if (quoted) {
                error_ = "linha " + std::to_string(record.line) + ": aspas sem fechamento";
                return false;
            }
            return anything || !field->empty();
        }
        if (quoted) {
            if (c == '"') {
                if (peek() == '"') {
                    get();
                    field->push_back('"');
                } else {
                    quoted = false;
                }
                continue;
            }
            field->push_back(static_cast<char>(c));
            if (c == '\n' || (c == '\r' && peek() != '\n'))
                ++line_;
            continue;
        }
        if (!is_special(c)) {
            // The rest of a plain field, as far as the buffer holds it.
            const std::size_t from = pos_ - 1;
            while (pos_ < end_ && !is_special(static_cast<unsigned char>(buffer_[pos_])))
                ++pos_;
            field->append(buffer_.data() + from, pos_ - from);
            continue;
        }
        switch (c) {
            case '"':
                quoted = true;
                anything = true;
                break;
            case kSeparator:
                start_field();
                anything = true;
                break;
            case '\r':
            case '\n': {
                LineEnd end = LineEnd::Lf;
                if (c == '\r') {
                    end = LineEnd::Cr;
                    if (peek() == '\n') {
                        get();
                        end = LineEnd::CrLf;
                    }
                }
                if (!line_end_known_) {
                    line_end_known_ = true;
                    line_end_ = end;
                }
                ++line_;
                if (anything || !field->empty())
                    return true;
                // A line with nothing on it separates nothing: skip it.
                record.line = line_;
                break;
            }
        }
    }
}

CsvWriter::CsvWriter(std::ostream& out, bool bom, LineEnd line_end)
    : out_(out), eol_(eol_text(line_end)) {
    buffer_.reserve(kChunk + 4096);
    if (bom)
        buffer_ += kBom;
}

void CsvWriter::field(std::string_view text) {
    if (!first_field_)
        buffer_ += kSeparator;
    first_field_ = false;
    if (!needs_quotes(text)) {
        buffer_ += text;
        return;
    }
    buffer_ += '"';
    for (char c : text) {
        if (c == '"')
            buffer_ += '"';
        buffer_ += c;
    }
    buffer_ += '"';
}

bool CsvWriter::end_record() {
    buffer_ += eol_;
    first_field_ = true;
    return buffer_.size() < kChunk || flush();
}

bool CsvWriter::flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
    out_.flush();
    return static_cast<bool>(out_);
}

bool is_utf8(std::string_view text) {
    std::istringstream in{std::string(text)};
    CsvReader reader(in);
    Record record;
    while (reader.next(record)) {
    }
    return reader.utf8();
}

Result<CsvTable> parse_csv(std::string_view text) {
    std::istringstream in{std::string(text)};
    CsvReader reader(in);
    CsvTable table;
    Record record;
    if (!reader.next(record)) {
        if (!reader.error().empty())
            return Result<CsvTable>::failure(reader.error());
        return Result<CsvTable>::failure("arquivo sem cabeçalho");
    }
    table.header.assign(record.fields.begin(),
                        record.fields.begin() + static_cast<std::ptrdiff_t>(record.size));
    while (reader.next(record)) {
        if (record.size > table.header.size()) {
            return Result<CsvTable>::failure(
                "linha " + std::to_string(record.line) + ": mais campos que o cabeçalho (" +
                std::to_string(record.size) + " > " + std::to_string(table.header.size()) + ")");
        }
        std::vector<std::string> row(
            record.fields.begin(),
            record.fields.begin() + static_cast<std::ptrdiff_t>(record.size));
        row.resize(table.header.size());
        table.rows.push_back(std::move(row));
    }
    if (!reader.error().empty())
        return Result<CsvTable>::failure(reader.error());
    table.had_bom = reader.had_bom();
    table.line_end = reader.line_end();
    return table;
}

std::string write_csv(const CsvTable& table) {
    std::ostringstream out;
    CsvWriter writer(out, table.had_bom, table.line_end);
    const auto write_row = [&](const std::vector<std::string>& row) {
        for (const std::string& field : row)
            writer.field(field);
        writer.end_record();
    };
    write_row(table.header);
    for (const auto& row : table.rows)
        write_row(row);
    writer.flush();
    return out.str();
}

}  // namespace quintaro::lote
