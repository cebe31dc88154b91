#include "shell/info_windows.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

#include "drawings/artwork.h"

namespace quintaro::shell {
namespace {

// One symbol per line: "symbol = definition", most lines closed by a tab; the
// long definitions of G and of the slenderness parameters run on to a second
// line. The second group writes the Greek letters in plain Latin ones, as the
// reports do (a for alpha, b for beta, f for phi, l for lambda, r for rho).
const char* const kNotations[] = {
    "Aef = área efetiva da seção transversal\t",
    "Ag = área bruta da seção transversal\t",
    "Aw = área de cisalhamento da alma\t",
    "Cb = coeficiente de momento na flambagem lateral com torção\t",
    "E = módulo de elasticidade do aço, 205000 MPa\t",
    "G = módulo de elasticidade transversal do aço, G = 0,385 E; carga ",
    "permanente nominal",
    "IT = momento de inércia à torção\t",
    "Kx = coeficiente de flambagem em relação ao eixo x\t",
    "Ky = coeficiente de flambagem em relação ao eixo y\t",
    "Lb = comprimento destravado para a flambagem lateral com torção\t",
    "Lflx = comprimento de flambagem em relação ao eixo x\t",
    "Lfly = comprimento de flambagem em relação ao eixo y\t",
    "Mcr = momento fletor de flambagem elástica\t",
    "Md = momento fletor de cálculo\t",
    "Mdx = momento fletor de cálculo em relação ao eixo x\t",
    "Mdy = momento fletor de cálculo em relação ao eixo y\t",
    "Mn = resistência nominal ao momento fletor\t",
    "Mnx = resistência nominal ao momento fletor em relação ao eixo x\t",
    "Mny = resistência nominal ao momento fletor em relação ao eixo y\t",
    "Mpl = momento de plastificação da seção\t",
    "Mr = momento fletor correspondente ao início do escoamento\t",
    "Nd = força normal de cálculo\t",
    "Nn = resistência nominal à força normal\t",
    "Ny = força normal de escoamento da seção, Ny = Ag . Fy",
    "Q = coeficiente de redução para a flambagem local\t",
    "Qa = coeficiente de redução dos elementos enrijecidos\t",
    "Qs = coeficiente de redução dos elementos não enrijecidos\t",
    "Rd(Md) = resistência de cálculo ao momento fletor\t",
    "Rd(Md+Nd) = razão de interação entre força normal e momentos fletores\t",
    "Rd(Nd) = resistência de cálculo à força normal\t",
    "Rd(Vd) = resistência de cálculo à força cortante\t",
    "Vd = força cortante de cálculo\t",
    "Vn = resistência nominal à força cortante\t",
    "Vpl = força cortante de plastificação da alma\t",
    "W = módulo resistente elástico da seção\t",
    "Wc = módulo resistente elástico do lado comprimido\t",
    "Wt = módulo resistente elástico do lado tracionado\t",
    "Z = módulo resistente plástico da seção\t",
    "",
    "a = distância entre enrijecedores transversais, entre 4 tw e 6 tw",
    "bef = largura efetiva\t",
    "bf = largura da mesa (ou da aba)\t",
    "d = altura total da seção\t",
    "fu = limite de resistência à tração do aço\t",
    "fy = limite de escoamento do aço\t",
    "h = altura da alma entre as faces internas das mesas\t",
    "k = coeficiente de flambagem da alma por cisalhamento\t",
    "rx = raio de giração em relação ao eixo x\t",
    "ry = raio de giração em relação ao eixo y\t",
    "tf = espessura da mesa (ou da aba)\t",
    "tw = espessura da alma\t",
    "\t",
    "a = coeficiente de imperfeição da curva de flambagem\t",
    "ax = coeficiente de imperfeição em relação ao eixo x\t",
    "ay = coeficiente de imperfeição em relação ao eixo y\t",
    "b = parâmetro auxiliar do cálculo de r\t",
    "b1 = parâmetro da flambagem lateral com torção, b1 = p.(G.E.IT.Ag)^0,5\t",
    "b2 = parâmetro da flambagem lateral com torção\t",
    "fb = coeficiente de resistência na flexão, fb = 0,9\t",
    "fc = coeficiente de resistência na compressão, fc = 0,9\t",
    "ft = coeficiente de resistência na tração, ft = 0,9 ou 0,75\t",
    "fv = coeficiente de resistência ao cisalhamento, fv = 0,9\t",
    "l = parâmetro de esbeltez",
    "= parâmetro de esbeltez para barras comprimidas",
    "lmáx = maior índice de esbeltez da barra\t",
    "lp = parâmetro de esbeltez correspondente à plastificação\t",
    "lr = parâmetro de esbeltez correspondente ao início do escoamento\t",
    "lx = índice de esbeltez em relação ao eixo x\t",
    "= parâmetro de esbeltez para barras comprimidas em relação ao eixo x",
    "ly = índice de esbeltez em relação ao eixo y\t",
    "= parâmetro de esbeltez para barras comprimidas em relação ao eixo y",
    "r = coeficiente",
    "",
    "",
    "",
    "",
};

QPushButton* ok_button(QWidget* parent, const char* name) {
    auto* ok = new QPushButton(QStringLiteral("Ok"), parent);
    ok->setObjectName(QString::fromLatin1(name));
    return ok;
}

void centre_on_screen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        window->move(free.center() - window->rect().center());
    }
}

}  // namespace

QString notation_text() {
    QStringList lines;
    for (const char* line : kNotations) {
        lines << QString::fromUtf8(line);
    }
    return lines.join(QLatin1Char('\n'));
}

TNota::TNota(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Nota"));
    setWindowTitle(QStringLiteral("Notações"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(441, 318);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setPlainText(notation_text());
    memo->setGeometry(28, 20, 385, 217);
    auto* ok = ok_button(this, "SpeedButton1");
    ok->setGeometry(183, 256, 75, 28);
    connect(ok, &QPushButton::clicked, this, &TNota::SpeedButton1Click);
    centre_on_screen(this);
}

void TNota::SpeedButton1Click() {
    close();
}

TSobreQuintaro::TSobreQuintaro(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SobreQuintaro"));
    setWindowTitle(QStringLiteral("Sobre"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(349, 417);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(8, 8, 333, 360);

    auto* logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("ProgramIcon"));
    logo->setPixmap(QPixmap::fromImage(drawings::program_icon(56)));
    logo->setGeometry(14, 12, 56, 56);
    auto* name = new QLabel(QStringLiteral("QUINTARO"), panel);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPointSize(20);
    big.setBold(true);
    name->setFont(big);
    name->setGeometry(86, 12, 230, 32);
    auto* artwork = new QLabel(panel);
    artwork->setObjectName(QStringLiteral("Logo"));
    artwork->setPixmap(QPixmap::fromImage(drawings::logo_strip(QSize(230, 33))));
    artwork->setGeometry(86, 46, 230, 33);

    auto* about = new QPlainTextEdit(panel);
    about->setObjectName(QStringLiteral("Memo1"));
    about->setReadOnly(true);
    about->setFrameShape(QFrame::NoFrame);
    about->setPalette(palette());
    about->viewport()->setAutoFillBackground(false);
    about->setGeometry(10, 86, 313, 170);
    const QStringList lines = {
        QStringLiteral("Versão 1.5m - Abril de 2006"),
        QStringLiteral("(Build 17072007)"),
        QString(),
        QStringLiteral("Programa para verificação de elementos de aço"),
        QStringLiteral("Laminados e Soldados"),
        QStringLiteral("segundo a NBR8800/1988"),
        QStringLiteral("Projeto Quintaro - programa de código aberto"),
        QStringLiteral("Autores: a equipe do projeto Quintaro"),
        QStringLiteral("Uso livre, sem necessidade de registro"),
        QStringLiteral("Engenharia de estruturas de aço"),
        QStringLiteral("Mantido pelos seus colaboradores"),
    };
    about->setPlainText(lines.join(QLatin1Char('\n')));
    QTextOption centred = about->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    about->document()->setDefaultTextOption(centred);

    auto* thanks = new QPlainTextEdit(panel);
    thanks->setObjectName(QStringLiteral("Memo2"));
    thanks->setReadOnly(true);
    thanks->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    thanks->setGeometry(10, 262, 313, 88);
    thanks->setPlainText(
        QStringLiteral("Agradecimentos\n"
                       "O projeto Quintaro é mantido por seus colaboradores, sem patrocínio.\n"
                       "Agradecemos aos engenheiros e estudantes que relataram os problemas "
                       "corrigidos nesta versão:\n"
                       "- os usuários que enviaram relatos pelo rastreador do projeto;\n"
                       "- os revisores das tabelas de perfis e das memórias de cálculo."));
    thanks->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* ok = ok_button(this, "OKButton");
    ok->setDefault(true);
    ok->setGeometry(137, 378, 75, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    centre_on_screen(this);
}

TLocaliza::TLocaliza(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Localiza"));
    setWindowTitle(QStringLiteral("Aguarde!"));
    auto* column = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Sistema localizando\nperfil mais leve!"), this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setAlignment(Qt::AlignCenter);
    column->addWidget(text);
    setFixedSize(220, 90);
}

}  // namespace quintaro::shell
