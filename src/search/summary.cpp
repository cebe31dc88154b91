#include "search/summary.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/decimal.h"
#include "search/variants.h"

namespace quintaro::search {
namespace {

struct FailureName {
    FailedCheck bit;
    std::string_view box;  // "" : not a result box
};

// In the order the windows show their rows.
constexpr FailureName kFailures[] = {
    {kAxialFailed, "R_RdNd"},    {kTensionFailed, "R_RdNt"},  {kShearFailed, "R_RdVd"},
    {kMomentXFailed, "R_RdMdx"}, {kMomentYFailed, "R_RdMdy"}, {kCombinedFailed, "R_Rd_MdNd"},
    {kSlendernessFailed, ""},
};

std::string failure_name(const FailureName& f, const BoxLabel& label) {
    return f.box.empty() ? std::string("esbeltez > 200") : label(f.box);
}

// "Rd(Mdx)" or "Rd(Nd) e Rd(Mdx)".
std::string failures_of(unsigned failed, const BoxLabel& label) {
    std::vector<std::string> names;
    for (const FailureName& f : kFailures) {
        if (failed & f.bit)
            names.push_back(failure_name(f, label));
    }
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            out += i + 1 == names.size() ? " e " : ", ";
        out += names[i];
    }
    return out;
}

// A message on one line, its line breaks written " / ".
std::string one_line(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += " / ";
        else
            out += c;
    }
    return out;
}

std::string section_name(const CheckedSection& s) {
    if (s.weight.empty())
        return s.designation;
    return s.designation + " (" + s.weight + " kgf/m)";
}

// "Maior aproveitamento: 0,87 em Rd(Mdx)": the row that governs the check of
// the section the walk ended on.
std::string governing_line(const CheckedSection& s, const BoxLabel& label) {
    if (s.governing.empty())
        return {};
    if (!s.utilisation)
        return "Governa " + label(s.governing) + ", que falhou sem aproveitamento definido.\n";
    return "Maior aproveitamento: " + format_decimal(*s.utilisation) + " em " + label(s.governing) +
           "\n";
}

std::string ending(const SearchOutcome& outcome, const CheckedSection& last,
                   const BoxLabel& label) {
    const std::string name = section_name(last);
    switch (outcome.end) {
        case SearchEnd::InvalidLength:
            return "Busca interrompida em " + name + ": comprimento inválido (veja a mensagem).\n";
        case SearchEnd::CheckStopped:
            return "Busca interrompida em " + name + ": a verificação parou (veja a mensagem).\n";
        case SearchEnd::MoveFailed:
            return "Busca interrompida em " + name +
                   ": a tabela não pôde avançar (veja a mensagem).\n";
        default:
            if (outcome.passed)
                return "Perfil encontrado: " + name + "\n" + governing_line(last, label);
            return "Nenhum perfil do catálogo atende às solicitações.\n"
                   "Fica na janela o mais pesado: " +
                   name + ", que não atende em " + failures_of(last.failed, label) + ".\n" +
                   governing_line(last, label);
    }
}

void count_rejections(std::string& out, const std::vector<CheckedSection>& rejected,
                      const BoxLabel& label) {
    if (rejected.empty()) {
        out += "\nNenhum perfil mais leve foi rejeitado.";
        return;
    }
    out += "\nPerfis mais leves rejeitados: " + std::to_string(rejected.size()) + "\n";
    out += "Não atendem em (um perfil pode falhar em mais de uma verificação):\n";
    for (const FailureName& f : kFailures) {
        const auto n = std::count_if(rejected.begin(), rejected.end(),
                                     [&](const CheckedSection& s) { return s.failed & f.bit; });
        if (n > 0)
            out += "    " + failure_name(f, label) + ": " + std::to_string(n) + "\n";
    }
    std::vector<std::pair<std::string, int>> messages;
    for (const CheckedSection& s : rejected) {
        for (const std::string& m : s.messages) {
            auto it = std::find_if(messages.begin(), messages.end(),
                                   [&](const auto& seen) { return seen.first == m; });
            if (it == messages.end())
                messages.emplace_back(m, 1);
            else
                ++it->second;
        }
    }
    if (!messages.empty()) {
        out += "Mensagens dos perfis rejeitados:\n";
        for (const auto& [text, n] : messages)
            out += "    " + std::to_string(n) + " × " + one_line(text) + "\n";
    }
    // The heaviest of them is the one just lighter than the section found.
    const CheckedSection& closest = rejected.back();
    out += "O mais pesado dos rejeitados: " + section_name(closest) + ", que não atende em " +
           failures_of(closest.failed, label) + ".";
}

}  // namespace

std::string search_summary(const SearchOutcome& outcome, const SearchRecord& record,
                           const BoxLabel& label) {
    if (record.sections.empty())
        return {};
    const CheckedSection& last = record.sections.back();
    std::string out = ending(outcome, last, label);
    const std::vector<CheckedSection> rejected(record.sections.begin(), record.sections.end() - 1);
    count_rejections(out, rejected, label);
    return out;
}

std::string unknown_series_message(checks::WindowKind window, std::string_view series) {
    std::string known;
    for (const SeriesWalk& walk : search_variant(window).walks) {
        if (!known.empty())
            known += ", ";
        known += walk.series;
    }
    return "A série \"" + std::string(series) +
           "\" não existe nesta janela: escolha uma destas: " + known + ".";
}

}  // namespace quintaro::search
