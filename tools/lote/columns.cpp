#include "columns.h"

#include <algorithm>

#include "checks/frame.h"
#include "common/windows1252.h"
#include "csv.h"

namespace quintaro::lote {
namespace {

constexpr std::string_view kNbsp = "\xC2\xA0";

bool is_ascii_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

// Every box name some window reads from a row, and the steel grade's boxes.
const std::vector<std::string_view>& box_names() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> out;
        const auto add = [&out](std::string_view name) {
            if (!name.empty() && std::find(out.begin(), out.end(), name) == out.end())
                out.push_back(name);
        };
        for (const checks::Standard standard : checks::kStandards) {
            for (const checks::WindowDescriptor& w : checks::window_descriptors(standard)) {
                add(w.series_box);
                for (const checks::PanelField& p : w.panel)
                    add(p.box);
                for (std::string_view input : w.inputs)
                    add(input);
            }
        }
        for (std::string_view steel :
             {checks::kSteelNameBox, checks::kSteelFyBox, checks::kSteelFuBox})
            add(steel);
        return out;
    }();
    return names;
}

InputColumn match(std::string_view raw) {
    const std::string_view name = trim_blanks(raw);
    for (std::string_view result : kResultColumnOrder) {
        if (name == result)
            return {result, ColumnKind::Result};
    }
    for (std::string_view written : {kMessagesColumn, kUtilisationColumn, kGoverningColumn}) {
        if (name == written)
            return {written, ColumnKind::Result};
    }
    for (const RowColumn& column : kRowColumns) {
        if (same_name(name, column.name))
            return {column.name, column.kind};
    }
    for (std::string_view box : box_names()) {
        if (same_name(name, box))
            return {box, ColumnKind::Box};
    }
    return {};
}

// A name as typed, for a message: a header that is not UTF-8 is Windows-1252.
std::string quoted(std::string_view raw) {
    return "'" + (is_utf8(raw) ? std::string(raw) : cp1252_to_utf8(raw)) + "'";
}

}  // namespace

std::string_view trim_blanks(std::string_view s) {
    for (;;) {
        if (!s.empty() && is_ascii_blank(s.front())) {
            s.remove_prefix(1);
        } else if (s.substr(0, kNbsp.size()) == kNbsp) {
            s.remove_prefix(kNbsp.size());
        } else if (!s.empty() && s.front() == '\xA0') {
            s.remove_prefix(1);
        } else {
            break;
        }
    }
    for (;;) {
        const std::size_t n = s.size();
        if (n > 0 && is_ascii_blank(s.back())) {
            s.remove_suffix(1);
        } else if (n >= kNbsp.size() && s.substr(n - kNbsp.size()) == kNbsp) {
            s.remove_suffix(kNbsp.size());
        } else if (n > 0 && s.back() == '\xA0' &&
                   (n == 1 || static_cast<unsigned char>(s[n - 2]) < 0x80)) {
            s.remove_suffix(1);
        } else {
            break;
        }
    }
    return s;
}

// The spacer thickness of a pair of angles belongs to the section; Ct, An,
// Cb, the second-order check box and the angles' connection (ℓc, Ligacao,
// Aba_ligada) qualify a check, they ask for none.
bool is_action_or_length(std::string_view box) {
    constexpr std::string_view kQualifiers[] = {
        "R_e", "R_Ct", "R_An", "R_Cb", "SegundaOrdem", "R_lc", "Ligacao", "Aba_ligada",
    };
    return std::find(std::begin(kQualifiers), std::end(kQualifiers), box) == std::end(kQualifiers);
}

Result<Header> read_header(std::span<const std::string> names) {
    Header header;
    bool have_window = false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const InputColumn column = match(names[i]);
        const std::string position = "a coluna " + std::to_string(i + 1);
        if (column.kind == ColumnKind::Unknown) {
            header.warnings.push_back(
                trim_blanks(names[i]).empty()
                    ? position + " não tem nome: é copiada sem ser lida"
                    : position + " (" + quoted(names[i]) +
                          ") não é uma entrada nem um resultado: é copiada sem ser lida");
        }
        if (column.kind != ColumnKind::Unknown && column.kind != ColumnKind::Result) {
            for (std::size_t j = 0; j < i; ++j) {
                if (header.columns[j].name == column.name) {
                    return Result<Header>::failure("as colunas " + std::to_string(j + 1) + " (" +
                                                   quoted(names[j]) + ") e " +
                                                   std::to_string(i + 1) + " (" + quoted(names[i]) +
                                                   ") são a mesma entrada " + quoted(column.name));
                }
            }
        }
        if (column.kind == ColumnKind::Window) {
            header.window = i;
            have_window = true;
        }
        if (column.kind == ColumnKind::Section)
            header.section = i;
        if (column.kind == ColumnKind::Project)
            header.project = i;
        if (column.kind == ColumnKind::Member)
            header.member = i;
        if (column.kind == ColumnKind::Standard)
            header.standard = i;
        header.columns.push_back(column);
    }
    if (!have_window)
        return Result<Header>::failure("a coluna 'janela' não existe no cabeçalho");
    return header;
}

OutputColumns output_columns(const Header& header,
                             std::span<const checks::WindowDescriptor* const> windows_present,
                             bool lightest) {
    OutputColumns out;
    for (std::size_t i = 0; i < header.columns.size(); ++i) {
        if (header.columns[i].kind != ColumnKind::Result)
            out.kept.push_back(i);
    }
    out.add_section = lightest && !header.section;
    for (std::string_view column : kResultColumnOrder) {
        const bool written = std::any_of(
            windows_present.begin(), windows_present.end(), [&](const checks::WindowDescriptor* w) {
                return std::any_of(w->results.begin(), w->results.end(),
                                   [&](const checks::ResultRow& r) {
                                       return r.box == column || r.verdict == column;
                                   });
            });
        if (written)
            out.results.push_back(column);
    }
    return out;
}

}  // namespace quintaro::lote
