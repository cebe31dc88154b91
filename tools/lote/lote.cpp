#include "lote.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <unordered_map>

#include "catalogue/table.h"
#include "common/decimal.h"
#include "csv.h"
#include "search/catalogue_driver.h"
#include "search/lightest.h"

namespace quintaro::lote {
namespace {

constexpr std::string_view kWindowColumn = "janela";
constexpr std::string_view kSectionColumn = "perfil";
constexpr std::string_view kSeriesColumn = "Serie";
constexpr std::string_view kMessagesColumn = "mensagens";
constexpr std::string_view kSteelTable = "tipo_aco.dbf";
constexpr std::string_view kUsage =
    "uso: quintaro-lote [--tables PASTA] [--steel TIPO] [--lightest]\n"
    "                   [--reports PASTA [--pdf]] [ENTRADA.csv | -]\n"
    "Verifica cada barra (uma por linha do CSV, separador ';', vírgula decimal)\n"
    "com as mesmas verificações das janelas e escreve as linhas com os resultados\n"
    "na saída padrão. Saída 0: todas verificadas; 1: alguma linha não pôde ser\n"
    "verificada (motivo em 'mensagens'); 2: linha de comando ou arquivo inválido.\n"
    "--lightest: em vez de verificar o perfil da linha, procura no catálogo da\n"
    "janela o perfil mais leve que passa (como \"Mais Leve\") e o escreve em 'perfil'.\n"
    "--reports PASTA grava o relatório de cálculo (RTF) de cada linha verificada,\n"
    "por exemplo 0007-TForm_I_Laminado-W_150_x_13,0.rtf; --pdf grava também um PDF.\n";

std::string trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return std::string(s);
}

bool is_result_column(std::string_view name) {
    if (name == kMessagesColumn)
        return true;
    return std::find(std::begin(checks::kResultColumnOrder), std::end(checks::kResultColumnOrder),
                     name) != std::end(checks::kResultColumnOrder);
}

// One CSV row seen as the boxes of its window. Every box the window has
// exists; inputs start at "0,00" as in the window.
class RowBoxes : public checks::Boxes {
  public:
    bool has(std::string_view name) const override { return texts_.find(name) != texts_.end(); }
    std::string text(std::string_view name) const override {
        const auto it = texts_.find(name);
        return it == texts_.end() ? std::string() : it->second;
    }
    void set_text(std::string_view name, std::string_view text) override {
        texts_.insert_or_assign(std::string(name), std::string(text));
    }
    void set_verdict(std::string_view field, bool passed) override {
        set_text(field, passed ? checks::kOk : checks::kNotOk);
    }
    void clear_verdict(std::string_view field) override { set_text(field, ""); }

  private:
    std::map<std::string, std::string, std::less<>> texts_;
};

class CollectedMessages : public checks::Messages {
  public:
    void show(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

std::string join_messages(const std::vector<std::string>& messages) {
    std::string out;
    for (const std::string& m : messages) {
        if (!out.empty())
            out += " | ";
        for (char c : m) {
            if (c == '\r')
                continue;
            out += c == '\n' ? '/' : c;
        }
    }
    return out;
}

// The cells of one row by column name.
class RowCells {
  public:
    RowCells(const std::map<std::string, std::size_t, std::less<>>& columns,
             const std::vector<std::string>& row)
        : columns_(columns), row_(row) {}
    // The cell's text, or nullptr when the file has no such column.
    const std::string* find(std::string_view column) const {
        const auto it = columns_.find(column);
        return it == columns_.end() ? nullptr : &row_[it->second];
    }
    std::string trimmed(std::string_view column) const {
        const std::string* cell = find(column);
        return cell ? trim(*cell) : std::string();
    }

  private:
    const std::map<std::string, std::size_t, std::less<>>& columns_;
    const std::vector<std::string>& row_;
};

struct RowOutcome {
    const checks::WindowDescriptor* window = nullptr;
    std::unique_ptr<checks::WorkingState> state;
    RowBoxes boxes;
    std::vector<std::string> messages;
    bool checked = false;
};

// "Mais Leve" of the row's window over its catalogue: the boxes end with the
// section found and its results. False when the search could not be made.
bool search_lightest(const checks::WindowDescriptor& window, RowBoxes& boxes,
                     checks::Messages& messages, checks::WorkingState& state,
                     SectionSource& sections) {
    // The result boxes as a window shows them before any check.
    for (const checks::ResultRow& r : window.results) {
        boxes.set_text(r.box, "0,00");
        if (!r.verdict.empty())
            boxes.clear_verdict(r.verdict);
    }
    search::CatalogueDriver driver(
        window, boxes, messages, state,
        [&sections](const checks::CatalogueTable& t) { return sections.table(t); });
    switch (search::find_lightest(window.class_name, driver, messages).end) {
        case search::SearchEnd::Passed:
        case search::SearchEnd::EndOfTable:
        case search::SearchEnd::InvalidLength:
        case search::SearchEnd::NothingToCheck:
            return true;
        default:
            return false;
    }
}

// Fills the boxes of the row's window and runs its check (or, with
// `lightest`, its search, leaving the section columns of the row unread). An
// error that stops the whole batch (a catalogue that cannot be read) is left
// in `fatal`.
RowOutcome check_row(const RowCells& cells, const SteelBoxes& steel, SectionSource& sections,
                     bool lightest, std::string& fatal) {
    RowOutcome outcome;
    const std::string window_name = cells.trimmed(kWindowColumn);
    const checks::WindowDescriptor* window = checks::find_window(window_name);
    if (window == nullptr) {
        outcome.messages.push_back("janela desconhecida: '" + window_name + "'");
        return outcome;
    }
    outcome.window = window;
    RowBoxes& boxes = outcome.boxes;

    std::string series;
    if (!window->series_box.empty()) {
        series = cells.trimmed(kSeriesColumn);
        if (series.empty())
            series = std::string(window->tables.front().series);
        boxes.set_text(window->series_box, series);
    }
    const checks::CatalogueTable* table = checks::table_for_series(*window, series);
    if (table == nullptr) {
        outcome.messages.push_back("série desconhecida: '" + series + "'");
        return outcome;
    }

    for (const checks::PanelField& p : window->panel)
        boxes.set_text(p.box, "");
    const std::string designation = lightest ? std::string() : cells.trimmed(kSectionColumn);
    if (!designation.empty()) {
        Result<PanelTexts> row = sections.section(*window, *table, designation);
        if (!sections.fatal().empty()) {
            fatal = sections.fatal();
            return outcome;
        }
        if (!row) {
            outcome.messages.push_back(row.error());
            return outcome;
        }
        for (const auto& [box, text] : *row)
            boxes.set_text(box, text);
    }
    // Values typed in the row override the catalogue's.
    for (const checks::PanelField& p : window->panel) {
        const std::string* cell = lightest ? nullptr : cells.find(p.box);
        if (cell != nullptr && !trim(*cell).empty())
            boxes.set_text(p.box, *cell);
    }

    boxes.set_text(checks::kSteelNameBox, steel.tipo);
    boxes.set_text(checks::kSteelFyBox, steel.fy);
    boxes.set_text(checks::kSteelFuBox, steel.fu);
    for (std::string_view box : {checks::kSteelNameBox, checks::kSteelFyBox, checks::kSteelFuBox}) {
        const std::string* cell = cells.find(box);
        if (cell != nullptr && !trim(*cell).empty())
            boxes.set_text(box, *cell);
    }

    // An absent or empty input is the window's "0,00".
    for (std::string_view input : window->inputs) {
        const std::string* cell = cells.find(input);
        boxes.set_text(input, cell != nullptr && !trim(*cell).empty() ? *cell : "0,00");
    }

    CollectedMessages messages;
    outcome.state = window->make_state();
    if (lightest) {
        outcome.checked = search_lightest(*window, boxes, messages, *outcome.state, sections);
        if (!sections.fatal().empty())
            fatal = sections.fatal();
    } else {
        outcome.checked = checks::check(window->kind, boxes, messages, *outcome.state);
    }
    outcome.messages = std::move(messages.shown);
    return outcome;
}

// After a search: `perfil` and the panel's columns show the section found
// (nothing when the search never reached the catalogue); other columns are
// written back as read.
std::string found_section_cell(const RowOutcome& row, std::string_view column,
                               const std::string& read) {
    if (row.window == nullptr)
        return read;
    const std::string_view designation_box = row.window->panel.front().box;
    const std::string_view box = column == kSectionColumn ? designation_box : column;
    const bool panel = std::any_of(row.window->panel.begin(), row.window->panel.end(),
                                   [&](const checks::PanelField& p) { return p.box == box; });
    if (!panel)
        return read;
    return row.boxes.text(box);
}

// Index of one catalogue file by designation, built on first use.
class TableSource : public SectionSource {
  public:
    explicit TableSource(std::string tables_dir) : tables_dir_(std::move(tables_dir)) {}

    Result<PanelTexts> section(const checks::WindowDescriptor& window,
                               const checks::CatalogueTable& table,
                               std::string_view designation) override {
        const std::string key = std::string(window.class_name) + '/' + std::string(table.file);
        auto it = indexes_.find(key);
        if (it == indexes_.end()) {
            auto built = build(window, table);
            if (!built) {
                fatal_ = built.error();
                return Result<PanelTexts>::failure(fatal_);
            }
            it = indexes_.emplace(key, std::move(built.value())).first;
        }
        const auto row = it->second.find(std::string(designation));
        if (row == it->second.end()) {
            return Result<PanelTexts>::failure("perfil '" + std::string(designation) +
                                               "' não encontrado em " + std::string(table.file));
        }
        return row->second;
    }
    catalogue::Table* table(const checks::CatalogueTable& table) override {
        auto& slot = tables_[std::string(table.file)];
        if (!slot) {
            auto opened = catalogue::Table::open(table.file, {tables_dir_, ""});
            if (!opened) {
                fatal_ = opened.error();
                return nullptr;
            }
            slot = std::move(opened.value());
        }
        return slot.get();
    }
    const std::string& fatal() const override { return fatal_; }

  private:
    using Index = std::unordered_map<std::string, PanelTexts>;

    Result<Index> build(const checks::WindowDescriptor& window,
                        const checks::CatalogueTable& table) {
        auto opened = catalogue::Table::open(table.file, {tables_dir_, ""});
        if (!opened)
            return Result<Index>::failure(opened.error());
        catalogue::Table& t = *opened.value();
        Index index;
        if (t.empty())
            return index;
        if (auto moved = t.first(); !moved)
            return Result<Index>::failure(moved.error());
        while (!t.eof()) {
            PanelTexts texts;
            for (const checks::PanelField& p : window.panel) {
                texts.emplace(std::string(p.box),
                              t.field_index(p.field) >= 0 ? t.text(p.field) : std::string());
            }
            // The first row of a designation wins, as the navigator meets it.
            index.emplace(trim(texts[std::string(window.panel.front().box)]), std::move(texts));
            if (auto moved = t.next(); !moved)
                return Result<Index>::failure(moved.error());
        }
        return index;
    }

    std::string tables_dir_;
    std::string fatal_;
    std::unordered_map<std::string, Index> indexes_;
    std::unordered_map<std::string, std::unique_ptr<catalogue::Table>> tables_;
};

Result<std::string> read_all(const std::string& input, std::istream& in) {
    std::ostringstream text;
    if (input == "-") {
        text << in.rdbuf();
        if (in.bad())
            return Result<std::string>::failure("erro ao ler a entrada padrão");
        return text.str();
    }
    std::ifstream file(input, std::ios::binary);
    if (!file) {
        return Result<std::string>::failure("não foi possível abrir '" + input +
                                            "': " + std::strerror(errno));
    }
    text << file.rdbuf();
    if (file.bad())
        return Result<std::string>::failure("erro ao ler '" + input + "'");
    return text.str();
}

}  // namespace

Result<Options> parse_command_line(const std::vector<std::string>& args,
                                   const std::string& default_tables) {
    Options options;
    options.tables_dir = default_tables;
    bool have_input = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&](std::string_view name, std::string& target) -> bool {
            const std::string prefix = std::string(name) + "=";
            if (arg.rfind(prefix, 0) == 0) {
                target = arg.substr(prefix.size());
                return true;
            }
            if (arg == name && i + 1 < args.size()) {
                target = args[++i];
                return true;
            }
            return false;
        };
        if (arg == "--tables" || arg.rfind("--tables=", 0) == 0) {
            if (!value("--tables", options.tables_dir)) {
                return Result<Options>::failure("--tables precisa de uma pasta");
            }
        } else if (arg == "--steel" || arg.rfind("--steel=", 0) == 0) {
            if (!value("--steel", options.steel) || options.steel.empty()) {
                return Result<Options>::failure("--steel precisa do tipo de aço");
            }
        } else if (arg == "--lightest") {
            options.lightest = true;
        } else if (arg == "--reports" || arg.rfind("--reports=", 0) == 0) {
            if (!value("--reports", options.reports_dir) || options.reports_dir.empty()) {
                return Result<Options>::failure("--reports precisa de uma pasta");
            }
        } else if (arg == "--pdf") {
            options.pdf = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            return Result<Options>::failure("opção desconhecida: " + arg);
        } else if (have_input) {
            return Result<Options>::failure("mais de um arquivo de entrada: " + arg);
        } else {
            options.input = arg;
            have_input = true;
        }
    }
    if (!have_input)
        options.input = "-";
    if (options.pdf && options.reports_dir.empty())
        return Result<Options>::failure("--pdf precisa de --reports");
    return options;
}

std::string default_tables_dir(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec && argv0 != nullptr)
        exe = fs::absolute(argv0, ec);
    if (ec || exe.empty())
        return "";
    const fs::path share = exe.parent_path().parent_path() / "share" / "quintaro";
    if (fs::is_directory(share, ec))
        return share.string();
    return "";
}

Result<SteelBoxes> load_steel(const std::string& tables_dir, const std::string& grade) {
    auto opened = catalogue::Table::open(kSteelTable, {tables_dir, ""});
    if (!opened)
        return Result<SteelBoxes>::failure(opened.error());
    catalogue::Table& t = *opened.value();
    if (t.empty())
        return Result<SteelBoxes>::failure("tipo_aco.dbf não tem tipos de aço");
    if (auto moved = t.first(); !moved)
        return Result<SteelBoxes>::failure(moved.error());
    std::string known;
    while (!t.eof()) {
        const std::string tipo = t.text("TIPO");
        if (grade.empty() || trim(tipo) == grade) {
            // A grade whose fy or fu is no number stops the batch before any row.
            double value = 0.0;
            if (!try_parse_decimal(t.text("FY"), value) ||
                !try_parse_decimal(t.text("FU"), value)) {
                return Result<SteelBoxes>::failure("aço '" + trim(tipo) + "' em " + t.path() +
                                                   ": fy ou fu não é um número (FY \"" +
                                                   t.text("FY") + "\", FU \"" + t.text("FU") +
                                                   "\")");
            }
            return SteelBoxes{tipo, t.text("FY"), t.text("FU")};
        }
        known += (known.empty() ? "" : ", ") + trim(tipo);
        if (auto moved = t.next(); !moved)
            return Result<SteelBoxes>::failure(moved.error());
    }
    return Result<SteelBoxes>::failure("aço '" + grade +
                                       "' não está em tipo_aco.dbf (tipos: " + known + ")");
}

std::unique_ptr<SectionSource> table_source(const std::string& tables_dir) {
    return std::make_unique<TableSource>(tables_dir);
}

std::string report_file_stem(int row, std::string_view window, std::string_view designation) {
    std::string number = std::to_string(row);
    if (number.size() < 4)
        number.insert(0, 4 - number.size(), '0');
    std::string name = number + "-" + std::string(window) + "-";
    for (char c : trim(designation)) {
        const bool unsafe = c == ' ' || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' ||
                            c == '"' || c == '<' || c == '>' || c == '|' ||
                            static_cast<unsigned char>(c) < 0x20;
        name += unsafe ? '_' : c;
    }
    return name;
}

Result<BatchOutcome> run_batch(std::string_view csv_text, const SteelBoxes& steel,
                               SectionSource& sections, bool lightest, RowReports* reports) {
    auto parsed = parse_csv(csv_text);
    if (!parsed)
        return Result<BatchOutcome>::failure(parsed.error());
    CsvTable& input = parsed.value();

    std::map<std::string, std::size_t, std::less<>> columns;
    std::vector<std::size_t> kept;  // input columns written back
    for (std::size_t i = 0; i < input.header.size(); ++i) {
        input.header[i] = trim(input.header[i]);
        columns.emplace(input.header[i], i);
        if (!is_result_column(input.header[i]))
            kept.push_back(i);
    }
    if (columns.find(kWindowColumn) == columns.end()) {
        return Result<BatchOutcome>::failure("a coluna 'janela' não existe no cabeçalho");
    }

    // Result columns: those of the windows in the file, in the fixed order.
    const std::size_t window_column = columns.find(kWindowColumn)->second;
    std::vector<std::string_view> results;
    for (std::string_view column : checks::kResultColumnOrder) {
        for (const auto& row : input.rows) {
            const auto* window = checks::find_window(trim(row[window_column]));
            if (window == nullptr)
                continue;
            const bool has = std::any_of(
                window->results.begin(), window->results.end(),
                [&](const checks::ResultRow& r) { return r.box == column || r.verdict == column; });
            if (has) {
                results.push_back(column);
                break;
            }
        }
    }

    CsvTable output;
    output.had_bom = input.had_bom;
    output.crlf = input.crlf;
    for (std::size_t i : kept)
        output.header.push_back(input.header[i]);
    // The search writes the section it found into `perfil`.
    const bool add_section_column = lightest && columns.find(kSectionColumn) == columns.end();
    if (add_section_column)
        output.header.emplace_back(kSectionColumn);
    for (std::string_view column : results)
        output.header.emplace_back(column);
    output.header.emplace_back(kMessagesColumn);

    BatchOutcome outcome;
    int row_number = 0;
    for (const auto& row : input.rows) {
        ++row_number;
        std::string fatal;
        RowOutcome checked = check_row(RowCells(columns, row), steel, sections, lightest, fatal);
        if (!fatal.empty())
            return Result<BatchOutcome>::failure(fatal);
        if (!checked.checked)
            outcome.all_checked = false;
        // A check that stopped leaves a half-computed state: no report of it.
        if (reports != nullptr && checked.checked) {
            const Status written = reports->write(row_number, *checked.window, *checked.state);
            if (!written) {
                checked.messages.push_back("relatório não gravado: " + written.error());
                outcome.all_checked = false;
            }
        }
        std::vector<std::string> out;
        out.reserve(output.header.size());
        for (std::size_t i : kept)
            out.push_back(lightest ? found_section_cell(checked, input.header[i], row[i]) : row[i]);
        if (add_section_column)
            out.push_back(found_section_cell(checked, kSectionColumn, ""));
        for (std::string_view column : results) {
            out.push_back(checked.window != nullptr && checked.boxes.has(column)
                              ? checked.boxes.text(column)
                              : std::string());
        }
        out.push_back(join_messages(checked.messages));
        output.rows.push_back(std::move(out));
    }
    outcome.csv = write_csv(output);
    return outcome;
}

int run(const std::vector<std::string>& args, const std::string& default_tables, std::istream& in,
        std::ostream& out, std::ostream& err, const RowReportsFactory& make_reports) {
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end()) {
        out << kUsage;
        return 0;
    }
    auto options = parse_command_line(args, default_tables);
    if (!options) {
        err << "quintaro-lote: " << options.error() << "\n" << kUsage;
        return 2;
    }
    auto text = read_all(options->input, in);
    if (!text) {
        err << "quintaro-lote: " << text.error() << "\n";
        return 2;
    }
    auto steel = load_steel(options->tables_dir, options->steel);
    if (!steel) {
        err << "quintaro-lote: " << steel.error() << "\n";
        return 2;
    }
    std::unique_ptr<RowReports> reports;
    if (!options->reports_dir.empty()) {
        if (!make_reports) {
            err << "quintaro-lote: relatórios não disponíveis nesta versão\n";
            return 2;
        }
        auto made = make_reports(*options);
        if (!made) {
            err << "quintaro-lote: " << made.error() << "\n";
            return 2;
        }
        reports = std::move(made.value());
    }
    auto sections = table_source(options->tables_dir);
    auto batch = run_batch(*text, *steel, *sections, options->lightest, reports.get());
    if (!batch) {
        err << "quintaro-lote: " << batch.error() << "\n";
        return 2;
    }
    out << batch->csv;
    out.flush();
    if (!out) {
        err << "quintaro-lote: erro ao escrever a saída\n";
        return 2;
    }
    return batch->all_checked ? 0 : 1;
}

}  // namespace quintaro::lote
