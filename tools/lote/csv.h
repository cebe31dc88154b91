#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

// The batch file format: text with an optional UTF-8 byte-order mark, fields
// separated by ';', quoted with '"' when they hold a separator, a quote or a
// line break, one header row. Lines end in LF, CRLF or CR alone (what
// spreadsheet programs write on Linux, Windows and the classic Mac).
namespace quintaro::lote {

enum class LineEnd { Lf, CrLf, Cr };

// One record as read: its first `size` fields (the vector only grows, so the
// strings keep their buffers from one record to the next), and the physical
// line of the file where it starts.
struct Record {
    std::vector<std::string> fields;
    std::size_t size = 0;
    long line = 0;
    std::string_view operator[](std::size_t i) const { return fields[i]; }
};

// Reads records one at a time from a stream, keeping only the record being
// read. Blank lines are skipped; every line break (inside quotes too) counts
// one physical line.
class CsvReader {
  public:
    explicit CsvReader(std::istream& in);
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The next record; false at the end of the input or on an error (see
    // error(): an unterminated quote, a read failure).
    bool next(Record& record);
    const std::string& error() const { return error_; }

    bool had_bom() const { return had_bom_; }
    // The line end of the first record (LF for a file of one line).
    LineEnd line_end() const { return line_end_; }
    // Every byte read so far is well-formed UTF-8.
    bool utf8() const { return utf8_pending_ == 0 && utf8_ok_; }
    // A digest of every byte read so far, to tell whether two readings of a
    // file saw the same bytes.
    std::uint64_t digest() const { return digest_; }

  private:
    int get();
    int peek();
    bool refill();
    void take_utf8(unsigned char c);

    std::istream& in_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool started_ = false;
    bool had_bom_ = false;
    bool line_end_known_ = false;
    LineEnd line_end_ = LineEnd::Lf;
    long line_ = 1;
    std::string error_;
    bool utf8_ok_ = true;
    int utf8_pending_ = 0;         // continuation bytes still expected
    unsigned char utf8_lead_ = 0;  // the lead byte of the sequence being read
    std::uint64_t digest_ = 14695981039346656037ull;
};

// Writes records one at a time, buffered; the byte-order mark and the line
// end are those of the input.
class CsvWriter {
  public:
    CsvWriter(std::ostream& out, bool bom, LineEnd line_end);
    void field(std::string_view text);
    // False when the buffer had to be handed to a stream that has failed.
    bool end_record();
    // Hands the buffer to the stream; false when the stream has failed.
    bool flush();

  private:
    std::ostream& out_;
    std::string buffer_;
    std::string_view eol_;
    bool first_field_ = true;
};

// Well-formed UTF-8 (RFC 3629).
bool is_utf8(std::string_view text);

// A whole file in memory, for tests and small tools.
struct CsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;  // each as long as the header
    bool had_bom = false;
    LineEnd line_end = LineEnd::Lf;
};

// Fails with a reason naming the physical line for an unterminated quote or
// a row with more fields than the header; shorter rows are padded with empty
// fields.
Result<CsvTable> parse_csv(std::string_view text);

std::string write_csv(const CsvTable& table);

}  // namespace quintaro::lote
