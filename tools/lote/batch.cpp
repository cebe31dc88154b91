#include "batch.h"

#include <algorithm>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "catalogue_source.h"
#include "checks/frame.h"
#include "columns.h"
#include "common/decimal.h"
#include "common/windows1252.h"
#include "csv.h"
#include "lote.h"
#include "row_boxes.h"
#include "search/lightest.h"

namespace quintaro::lote {
namespace {

constexpr std::string_view kWriteFailed = "erro ao escrever a saída";

class CollectedMessages : public checks::Messages {
  public:
    void show(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

// The messages of a row in one cell: joined by " | ", line breaks as '/'.
void join_messages(const std::vector<std::string>& messages, std::string& out) {
    out.clear();
    for (const std::string& m : messages) {
        if (!out.empty())
            out += " | ";
        for (char c : m) {
            if (c == '\r')
                continue;
            out += c == '\n' ? '/' : c;
        }
    }
}

// What the first reading learns about the file.
struct Scan {
    Header header;
    std::vector<const checks::WindowDescriptor*> windows;  // present, in the window table's order
    long rows = 0;
    bool windows1252 = false;
    bool bom = false;
    LineEnd line_end = LineEnd::Lf;
    std::uint64_t digest = 0;
};

std::string too_many_fields(const Record& record, std::size_t header_size) {
    return "linha " + std::to_string(record.line) + ": mais campos que o cabeçalho (" +
           std::to_string(record.size) + " > " + std::to_string(header_size) + ")";
}

// The standard of a row: its `norma` cell, or the run's when the row leaves
// it empty or the file has no such column; nullopt for a text that names no
// standard.
std::optional<checks::Standard> row_standard(const Header& header, const Record& record,
                                             checks::Standard run) {
    if (!header.standard || *header.standard >= record.size)
        return run;
    const std::string_view text = trim_blanks(record[*header.standard]);
    return text.empty() ? std::optional(run) : checks::parse_standard(text);
}

Result<Scan> scan(std::istream& in, checks::Standard run) {
    CsvReader reader(in);
    Record record;
    if (!reader.next(record)) {
        return Result<Scan>::failure(reader.error().empty() ? "arquivo sem cabeçalho"
                                                            : reader.error());
    }
    auto header = read_header(std::span<const std::string>(record.fields.data(), record.size));
    if (!header)
        return Result<Scan>::failure(header.error());
    Scan s;
    s.header = std::move(header.value());
    const std::size_t columns = s.header.columns.size();
    std::vector<bool> present(std::size(checks::kStandards) * checks::kWindowCount, false);
    while (reader.next(record)) {
        if (record.size > columns)
            return Result<Scan>::failure(too_many_fields(record, columns));
        ++s.rows;
        if (s.header.window >= record.size)
            continue;
        const auto standard = row_standard(s.header, record, run);
        if (!standard)
            continue;
        const checks::WindowDescriptor* w =
            checks::find_window(trim_blanks(record[s.header.window]), *standard);
        if (w != nullptr)
            present[static_cast<std::size_t>(*standard) * checks::kWindowCount +
                    checks::index_of(w->kind)] = true;
    }
    if (!reader.error().empty())
        return Result<Scan>::failure(reader.error());
    for (const checks::Standard standard : checks::kStandards) {
        for (const checks::WindowDescriptor& w : checks::window_descriptors(standard)) {
            if (present[static_cast<std::size_t>(standard) * checks::kWindowCount +
                        checks::index_of(w.kind)])
                s.windows.push_back(&w);
        }
    }
    s.windows1252 = !reader.had_bom() && !reader.utf8();
    s.bom = reader.had_bom();
    s.line_end = reader.line_end();
    s.digest = reader.digest();
    return s;
}

// Text the batch writes (messages, results, the section a search found) is
// UTF-8; a Windows-1252 file gets it in its own encoding, a character that
// encoding lacks written as '?'.
class OutputText {
  public:
    explicit OutputText(bool windows1252) : windows1252_(windows1252) {}
    std::string_view operator()(std::string_view utf8) {
        if (!windows1252_)
            return utf8;
        auto whole = utf8_to_cp1252(utf8);
        if (whole) {
            scratch_ = std::move(whole.value());
            return scratch_;
        }
        scratch_.clear();
        for (std::size_t i = 0; i < utf8.size();) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            std::size_t n = 1;
            if (lead >= 0xF0) {
                n = 4;
            } else if (lead >= 0xE0) {
                n = 3;
            } else if (lead >= 0xC0) {
                n = 2;
            }
            n = std::min(n, utf8.size() - i);
            auto one = utf8_to_cp1252(utf8.substr(i, n));
            scratch_ += one ? one.value() : std::string("?");
            i += n;
        }
        return scratch_;
    }

  private:
    bool windows1252_;
    std::string scratch_;
};

// "Mais Leve" of the row's window over its catalogue: the boxes end with the
// section found and its results. False when the search could not be made.
bool search_lightest(const WindowLayout& layout, CatalogueFile& file, RowBoxes& boxes,
                     checks::Messages& messages, checks::WorkingState& state) {
    // The result boxes as a window shows them before any check.
    for (const checks::ResultRow& r : layout.window().results) {
        boxes.set_text(r.box, "0,00");
        if (!r.verdict.empty())
            boxes.clear_verdict(r.verdict);
    }
    CatalogueWalk walk(layout, file, boxes, messages, state);
    switch (
        search::find_lightest(layout.window().kind, layout.window().standard, walk, messages).end) {
        case search::SearchEnd::Passed:
        case search::SearchEnd::EndOfTable:
        case search::SearchEnd::InvalidLength:
        case search::SearchEnd::NothingToCheck:
            return true;
        default:
            return false;
    }
}

std::string nothing_acts_message(const checks::WindowDescriptor& window) {
    std::string names;
    std::size_t count = 0;
    for (std::string_view input : window.inputs) {
        if (is_action_or_length(input))
            ++count;
    }
    std::size_t listed = 0;
    for (std::string_view input : window.inputs) {
        if (!is_action_or_length(input))
            continue;
        ++listed;
        if (!names.empty())
            names += listed == count ? " e " : ", ";
        names += input;
    }
    return "nada a verificar: as colunas " + names +
           " (solicitações e comprimentos) estão vazias ou não existem";
}

class Batch {
  public:
    Batch(const Scan& scan, const BatchSettings& settings, std::ostream& out)
        : scan_(scan),
          settings_(settings),
          output_(output_columns(scan.header, scan.windows, settings.lightest)),
          writer_(out, scan.bom, scan.line_end),
          text_(scan.windows1252) {
        for (const checks::WindowDescriptor* w : scan.windows)
            layouts_.emplace_back(*w, scan.header, output_);
    }

    bool write_header(const Record& header) {
        for (std::size_t column : output_.kept)
            writer_.field(header[column]);
        if (output_.add_section)
            writer_.field(kSectionColumn);
        for (std::string_view column : output_.results)
            writer_.field(column);
        writer_.field(kMessagesColumn);
        writer_.field(kUtilisationColumn);
        writer_.field(kGoverningColumn);
        output_failed_ = !writer_.end_record();
        return !output_failed_;
    }

    // Checks one row and writes it; "" or the reason the batch must stop.
    std::string row(const Record& record, int number, BatchOutcome& outcome) {
        if (record.size > scan_.header.columns.size())
            return "a entrada mudou enquanto era verificada (" +
                   too_many_fields(record, scan_.header.columns.size()) + ")";
        cells_.read(record, scan_.header, scan_.windows1252);
        messages_.shown.clear();
        layout_ = nullptr;
        checked_ = false;
        const std::string_view window_name = cells_[scan_.header.window];
        const auto standard = row_standard(scan_.header, record, settings_.standard);
        const checks::WindowDescriptor* window =
            standard ? checks::find_window(window_name, *standard) : nullptr;
        if (!standard) {
            messages_.shown.push_back("norma desconhecida: '" +
                                      std::string(cells_[*scan_.header.standard]) +
                                      "' (use 1986 ou 2008)");
        } else if (window == nullptr) {
            messages_.shown.push_back("janela desconhecida: '" + std::string(window_name) + "'");
        } else {
            layout_ = find_layout(*window);
            if (layout_ == nullptr)
                return "a entrada mudou enquanto era verificada (linha " +
                       std::to_string(record.line) + ")";
            check();
        }
        if (!checked_)
            outcome.all_checked = false;
        // A check that stopped leaves a half-computed state: no report of it.
        if (checked_ && settings_.reports != nullptr &&
            window->standard != checks::Standard::Nbr1986) {
            messages_.shown.push_back("relatório não gravado: o relatório de cálculo pela " +
                                      std::string(checks::standard_name(window->standard)) +
                                      " ainda não está disponível");
            outcome.all_checked = false;
        } else if (checked_ && settings_.reports != nullptr) {
            const Status written = settings_.reports->write(number, *window, *state_);
            if (!written) {
                messages_.shown.push_back("relatório não gravado: " + written.error());
                outcome.all_checked = false;
            }
        }
        if (!write_row(record)) {
            output_failed_ = true;
            return std::string(kWriteFailed);
        }
        return {};
    }

    bool output_failed() const { return output_failed_; }

    // The last row of a batch that stopped: the reason in `mensagens`.
    bool write_stop(std::string_view reason) {
        for (std::size_t i = 0; i < output_.kept.size() + output_.results.size(); ++i)
            writer_.field("");
        if (output_.add_section)
            writer_.field("");
        writer_.field(text_("LOTE INTERROMPIDO: " + std::string(reason) +
                            "; este resultado está incompleto: refaça o lote"));
        writer_.field("");
        writer_.field("");
        return writer_.end_record() && writer_.flush();
    }

    bool finish() {
        output_failed_ = output_failed_ || !writer_.flush();
        return !output_failed_;
    }

  private:
    const WindowLayout* find_layout(const checks::WindowDescriptor& window) const {
        for (const WindowLayout& l : layouts_) {
            if (&l.window() == &window)
                return &l;
        }
        return nullptr;
    }

    void refuse(std::string message) { messages_.shown.push_back(std::move(message)); }

    // Fills the boxes of the row's window and runs its check (or, with
    // --lightest, its search, leaving the section columns of the row unread).
    void check() {
        const WindowLayout& layout = *layout_;
        const checks::WindowDescriptor& window = layout.window();
        boxes_.start(layout);
        std::string_view series;
        if (layout.series_slot() >= 0) {
            series = layout.series_column() == kNoColumn ? std::string_view()
                                                         : cells_[layout.series_column()];
            if (series.empty())
                series = window.tables.front().series;
        }
        const checks::CatalogueTable* table = checks::table_for_series(window, series);
        if (table == nullptr)
            return refuse("série desconhecida: '" + std::string(series) + "'");
        if (nothing_acts(layout, cells_))
            return refuse(nothing_acts_message(window));

        CatalogueFile* file = nullptr;
        const std::vector<std::string>* catalogue_row = nullptr;
        const std::string_view designation = settings_.lightest || !scan_.header.section
                                                 ? std::string_view()
                                                 : cells_[*scan_.header.section];
        if (settings_.lightest || !designation.empty()) {
            auto opened = settings_.catalogues.file(*table);
            if (!opened)
                return refuse(opened.error());
            file = opened.value();
        }
        if (settings_.lightest && file->empty()) {
            return refuse("a tabela " + std::string(table->file) +
                          " não tem perfis: não há onde procurar o mais leve");
        }
        if (!designation.empty()) {
            const int found = file->find(window, designation);
            if (found < 0) {
                return refuse("perfil '" + std::string(designation) + "' não encontrado em " +
                              std::string(table->file));
            }
            catalogue_row = &file->panel_rows(window)[static_cast<std::size_t>(found)];
        }
        fill_boxes(layout, cells_, settings_.steel, series, catalogue_row, settings_.lightest,
                   boxes_);
        state_ = window.make_state();
        checked_ = settings_.lightest ? search_lightest(layout, *file, boxes_, messages_, *state_)
                                      : checks::check(window, boxes_, messages_, *state_);
    }

    bool write_row(const Record& record) {
        const std::vector<int>* found =
            settings_.lightest && layout_ ? &layout_->found_section_slots() : nullptr;
        for (std::size_t k = 0; k < output_.kept.size(); ++k) {
            const std::size_t column = output_.kept[k];
            if (found && (*found)[k] >= 0) {
                writer_.field(box_text((*found)[k]));
            } else {
                writer_.field(column < record.size ? record[column] : std::string_view());
            }
        }
        if (output_.add_section)
            writer_.field(layout_ ? box_text(layout_->panel().front().slot) : std::string_view());
        for (std::size_t k = 0; k < output_.results.size(); ++k)
            writer_.field(layout_ ? box_text(layout_->result_slots()[k]) : std::string_view());
        join_messages(messages_.shown, joined_);
        writer_.field(text_(joined_));
        write_governing();
        return writer_.end_record();
    }

    // The row that governs a check that ran to its end: its utilisation with
    // two decimals ("" for a row that failed without one) and its result box.
    // A check that stopped or did not run leaves both empty.
    void write_governing() {
        const checks::RowRecord* governing = checked_ && state_ ? state_->governing_row() : nullptr;
        if (governing == nullptr) {
            writer_.field("");
            writer_.field("");
            return;
        }
        utilisation_ = governing->ratio ? format_decimal(*governing->ratio) : std::string();
        writer_.field(utilisation_);
        writer_.field(governing->box);
    }

    std::string_view box_text(int slot) {
        const std::string_view* text = boxes_.find(slot);
        return text ? text_(*text) : std::string_view();
    }

    const Scan& scan_;
    const BatchSettings& settings_;
    OutputColumns output_;
    std::vector<WindowLayout> layouts_;
    CsvWriter writer_;
    OutputText text_;

    // The row being checked; kept from row to row so that nothing is built
    // anew.
    RowCells cells_;
    RowBoxes boxes_;
    CollectedMessages messages_;
    std::string joined_;
    std::string utilisation_;
    const WindowLayout* layout_ = nullptr;
    std::unique_ptr<checks::WorkingState> state_;
    bool checked_ = false;
    bool output_failed_ = false;
};

}  // namespace

Result<BatchOutcome> run_batch(std::istream& in, std::ostream& out, std::ostream& err,
                               const BatchSettings& settings) {
    const std::istream::pos_type start = in.tellg();
    auto scanned = scan(in, settings.standard);
    if (!scanned)
        return Result<BatchOutcome>::failure(scanned.error());
    const Scan& s = scanned.value();
    in.clear();
    in.seekg(start);
    if (!in)
        return Result<BatchOutcome>::failure("não foi possível reler a entrada");
    for (const std::string& warning : s.header.warnings)
        err << "quintaro-lote: aviso: " << warning << "\n";

    BatchOutcome outcome;
    Batch batch(s, settings, out);
    CsvReader reader(in);
    Record record;
    if (!reader.next(record)) {
        outcome.interrupted = "não foi possível reler a entrada";
        return outcome;
    }
    if (!batch.write_header(record)) {
        outcome.interrupted = kWriteFailed;
        return outcome;
    }
    int number = 0;
    while (reader.next(record)) {
        if (outcome.rows == s.rows) {
            outcome.interrupted = "a entrada mudou enquanto era verificada";
            break;
        }
        outcome.interrupted = batch.row(record, ++number, outcome);
        if (!outcome.interrupted.empty())
            break;
        ++outcome.rows;
    }
    if (outcome.interrupted.empty() && !reader.error().empty())
        outcome.interrupted = "erro ao reler a entrada: " + reader.error();
    if (outcome.interrupted.empty() && (outcome.rows != s.rows || reader.digest() != s.digest))
        outcome.interrupted = "a entrada mudou enquanto era verificada";
    if (outcome.interrupted.empty()) {
        if (!batch.finish())
            outcome.interrupted = kWriteFailed;
    } else if (!batch.output_failed()) {
        batch.write_stop(outcome.interrupted);
    }
    return outcome;
}

}  // namespace quintaro::lote
