#include "command_line.h"

#include <filesystem>
#include <string_view>

namespace quintaro::lote {
namespace {

// One option: a flag, or an option with a value ("--steel TIPO" or
// "--steel=TIPO"). A new option is one row here and its field in Options.
struct OptionSpec {
    std::string_view name;
    std::string_view value_name;  // "" for a flag
    std::string Options::*value = nullptr;
    bool Options::*flag = nullptr;
    bool empty_allowed = false;  // an empty value ("--tables=") is accepted
    std::string_view missing;    // the message for a missing value
    std::string_view help;
};

constexpr OptionSpec kOptions[] = {
    {"--tables", "PASTA", &Options::tables_dir, nullptr, true, "--tables precisa de uma pasta",
     "onde estão as tabelas de perfis e tipo_aco.dbf"},
    {"--steel", "TIPO", &Options::steel, nullptr, false, "--steel precisa do tipo de aço",
     "o aço de tipo_aco.dbf (por padrão, a primeira linha)"},
    {"--lightest", "", nullptr, &Options::lightest, false, "",
     "em vez de verificar o perfil da linha, procura no catálogo da janela o\n"
     "perfil mais leve que passa (como \"Mais Leve\") e o escreve em 'perfil'"},
    {"--reports", "PASTA", &Options::reports_dir, nullptr, false, "--reports precisa de uma pasta",
     "grava o relatório de cálculo (RTF) de cada linha verificada, por exemplo\n"
     "0007-TForm_I_Laminado-W_150_x_13,0.rtf"},
    {"--pdf", "", nullptr, &Options::pdf, false, "", "com --reports, grava também um PDF"},
    {"--norma", "ANO", &Options::norma, nullptr, false, "--norma precisa do ano: 1986 ou 2008",
     "a norma das linhas sem a coluna 'norma' (ou com ela vazia): 1986 (o padrão)\n"
     "ou 2008; a coluna 'norma' de uma linha vale para ela"},
    {"--output", "ARQUIVO", &Options::output, nullptr, false, "--output precisa de um arquivo",
     "grava o resultado nesse arquivo, que só aparece (ou é substituído) quando\n"
     "o lote termina; sem a opção, o resultado vai para a saída padrão"},
};

const OptionSpec* find_option(std::string_view arg) {
    for (const OptionSpec& o : kOptions) {
        if (arg == o.name)
            return &o;
        if (!o.value_name.empty() && arg.size() > o.name.size() &&
            arg.substr(0, o.name.size()) == o.name && arg[o.name.size()] == '=')
            return &o;
    }
    return nullptr;
}

}  // namespace

Result<Options> parse_command_line(const std::vector<std::string>& args,
                                   const std::string& default_tables) {
    Options options;
    options.tables_dir = default_tables;
    options.output = "-";
    bool have_input = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (const OptionSpec* option = find_option(arg)) {
            if (option->flag != nullptr) {
                options.*(option->flag) = true;
                continue;
            }
            std::string value;
            if (arg.size() > option->name.size()) {
                value = arg.substr(option->name.size() + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return Result<Options>::failure(std::string(option->missing));
            }
            if (value.empty() && !option->empty_allowed)
                return Result<Options>::failure(std::string(option->missing));
            options.*(option->value) = std::move(value);
        } else if (arg.size() > 1 && arg[0] == '-') {
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
    if (!options.norma.empty()) {
        const auto standard = checks::parse_standard(options.norma);
        if (!standard) {
            return Result<Options>::failure("--norma: '" + options.norma +
                                            "' não é uma norma conhecida (use 1986 ou 2008)");
        }
        options.standard = *standard;
    }
    // The report writers follow NBR 8800:1986: a report of theirs would
    // describe a check that was not made.
    if (options.standard != checks::Standard::Nbr1986 && !options.reports_dir.empty()) {
        return Result<Options>::failure(
            "--reports: o relatório de cálculo pela " +
            std::string(checks::standard_name(options.standard)) +
            " ainda não está disponível; retire --reports ou use --norma 1986");
    }
    return options;
}

std::string usage() {
    std::string text = "uso: quintaro-lote";
    for (const OptionSpec& o : kOptions) {
        text += " [";
        text += o.name;
        if (!o.value_name.empty())
            text += " " + std::string(o.value_name);
        text += "]";
    }
    text +=
        " [ENTRADA.csv | -]\n"
        "Verifica cada barra (uma por linha do CSV, separador ';', vírgula decimal)\n"
        "com as mesmas verificações das janelas e escreve as linhas com os resultados.\n"
        "Saída 0: todas verificadas; 1: alguma linha não pôde ser verificada (motivo\n"
        "em 'mensagens'); 2: linha de comando ou arquivo inválido.\n";
    for (const OptionSpec& o : kOptions) {
        std::string line = "  " + std::string(o.name);
        if (!o.value_name.empty())
            line += " " + std::string(o.value_name);
        text += line + "\n";
        std::string_view help = o.help;
        while (!help.empty()) {
            const std::size_t end = std::min(help.find('\n'), help.size());
            text += "      " + std::string(help.substr(0, end)) + "\n";
            help.remove_prefix(std::min(end + 1, help.size()));
        }
    }
    text += "  --version\n      mostra a versão do programa e sai\n";
    return text;
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

}  // namespace quintaro::lote
