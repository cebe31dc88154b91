#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "quintaro_version.h"
#include "shell/application.h"

namespace {

constexpr char kHelp[] =
    "uso: quintaro [--help | --version] [opções do Qt, como -platform offscreen]\n"
    "Verifica barras de aço, uma de cada vez, segundo a NBR 8800: perfis I e H\n"
    "laminados, U laminado, I soldado (CS, CVS, VS), cantoneira simples e sete\n"
    "arranjos de duas cantoneiras. Busca o perfil mais leve que passa e escreve\n"
    "o relatório de cálculo.\n"
    "\n"
    "  -h, --help   mostra esta ajuda e sai\n"
    "  --version    mostra a versão e sai\n"
    "\n"
    "Os catálogos de perfis e de aços instalados em share/quintaro são copiados\n"
    "na primeira execução para a pasta de dados do usuário, onde podem ser\n"
    "editados. Para verificar muitas barras de uma vez: quintaro-lote --help.\n";

}  // namespace

int main(int argc, char** argv) {
    // A catalogue written past the file-size limit fails with EFBIG and the
    // window says the disk is full, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Answered before the application exists, so that they work without a
    // display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("quintaro %s\n", quintaro::kVersion);
            return 0;
        }
    }
    QApplication app(argc, argv);
    return quintaro::shell::run(app);
}
