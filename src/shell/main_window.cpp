#include "shell/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <array>
#include <string>

#include "checks/windows.h"
#include "drawings/artwork.h"
#include "drawings/section_drawing.h"
#include "shell/data_folders.h"
#include "shell/dialogs.h"
#include "shell/help_window.h"
#include "shell/member_descriptor.h"
#include "shell/member_window.h"

namespace quintaro::shell {

namespace {

using checks::WindowKind;

// The toolbar's buttons from left to right, by the window each opens.
constexpr auto kToolbarOrder = std::to_array<WindowKind>({
    WindowKind::I_Soldado,
    WindowKind::I_Laminado,
    WindowKind::H_Laminado,
    WindowKind::L_Laminado,
    WindowKind::LT_Laminado,
    WindowKind::LU_Laminado,
    WindowKind::LX_Laminado,
    WindowKind::L2_Laminado,
    WindowKind::L2T_Ma_Laminado,
    WindowKind::L2T_Me_Laminado,
    WindowKind::L2U_Ma_Laminado,
    WindowKind::L2U_Me_Laminado,
    WindowKind::U_Laminado,
});
static_assert(checks::every_window_once(kToolbarOrder));

constexpr int kButtonSide = 45;
constexpr int kToolbarHeight = 57;

bool open_in_desktop_program(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

// Every number any window reads or writes uses the decimal comma from here on:
// our own conversions do, and so do Qt's number widgets, without thousands
// separators.
void use_decimal_comma() {
    QLocale comma(QLocale::Portuguese, QLocale::Brazil);
    comma.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(comma);
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent),
      open_url_(open_in_desktop_program),
      help_page_(help_page_path()),
      verification_manual_(verification_manual_path()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quintaro (Ver 1.5m)"));  // and the standard in force
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QPixmap::fromImage(drawings::program_icon(64))));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    build_menu();
    build_toolbar();
    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("Image1"));
    title->setPixmap(QPixmap::fromImage(drawings::title_artwork(QSize(569, 385))));
    title->setFixedSize(569, 385);
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCentralWidget(title);
    setFixedSize(586, 440 + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    FormCreate();
}

void TForm1::build_toolbar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFixedHeight(kToolbarHeight);
    bar->setIconSize(QSize(kButtonSide - 6, kButtonSide - 6));
    bar->setContentsMargins(0, 0, 0, 0);
    bar->layout()->setSpacing(0);
    bar->layout()->setContentsMargins(0, 0, 0, 0);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    QPalette face = bar->palette();
    face.setColor(QPalette::Window, QColor(48, 52, 60));
    bar->setPalette(face);
    bar->setAutoFillBackground(true);
    for (const WindowKind kind : kToolbarOrder) {
        const MemberDescriptor& window = member_descriptor(kind);
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(window.toolbar_button));
        button->setFixedSize(kButtonSide, kButtonSide);
        button->setAutoRaise(true);
        button->setIcon(QIcon(QPixmap::fromImage(
            drawings::glyph_picture(kind, QSize(kButtonSide - 6, kButtonSide - 6)))));
        // The button says which window it opens, as its caption names it.
        button->setToolTip(QString::fromUtf8(window.caption).simplified());
        const std::string opens(checks::descriptor(kind).class_name);
        connect(button, &QToolButton::clicked, this,
                [this, opens] { show_modally(opens.c_str()); });
        bar->addWidget(button);
    }
    addToolBar(Qt::TopToolBarArea, bar);
}

void TForm1::build_menu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // The menu keeps the desktop's colours over the black window.
    QPalette desktop = QApplication::palette(bar);
    for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button,
                            QPalette::ButtonText, QPalette::Base, QPalette::Text}) {
        desktop.setColor(role, desktop.color(role));  // set, not inherited from the window
    }
    bar->setPalette(desktop);
    bar->setAutoFillBackground(true);
    const auto action = [this](QWidget* where, const char* name, const char* text) {
        auto* a = new QAction(QString::fromUtf8(text), this);
        a->setObjectName(QString::fromLatin1(name));
        where->addAction(a);
        return a;
    };
    // Alt and the underlined letter open each menu.
    QMenu* file = bar->addMenu(QStringLiteral("&Arquivo"));
    file->setObjectName(QStringLiteral("Arquivo1"));
    QAction* quit = action(file, "Sair1", "&Sair");
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &TForm1::Sair1Click);
    connect(action(bar, "Ao1", "Aç&o"), &QAction::triggered, this, &TForm1::Ao1Click);
    QMenu* standard = bar->addMenu(QStringLiteral("&Norma"));
    standard->setObjectName(QStringLiteral("Norma1"));
    // The two items exclude each other; a click on the one in force keeps it.
    auto* choice = new QActionGroup(this);
    choice->setExclusive(true);
    for (const checks::Standard each : checks::kStandards) {
        const char* name = each == checks::Standard::Nbr1986 ? "NBR88001" : "NBR88002";
        const std::string text(checks::standard_name(each));
        QAction* item = action(standard, name, text.c_str());
        item->setCheckable(true);
        item->setChecked(each == standard_);
        choice->addAction(item);
        connect(item, &QAction::triggered, this, [this, each] { set_standard(each); });
        standard_items_.emplace_back(each, item);
    }
    QMenu* help = bar->addMenu(QStringLiteral("A&juda"));
    help->setObjectName(QStringLiteral("Ajuda1"));
    connect(action(help, "Notaes1", "&Notações"), &QAction::triggered, this, &TForm1::Notaes1Click);
    QAction* contents = action(help, "Conteudo", "&Conteúdo");
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    connect(contents, &QAction::triggered, this, &TForm1::ConteudoClick);
    connect(action(help, "ManualVerificacao", "&Manual de verificação"), &QAction::triggered, this,
            &TForm1::ManualVerificacaoClick);
    connect(action(help, "Sobre1", "&Sobre"), &QAction::triggered, this, &TForm1::Sobre1Click);
}

void TForm1::show_modally(const char* class_name) {
    QDialog* window = find_window_ ? find_window_(class_name) : nullptr;
    if (window == nullptr) {
        return;
    }
    // Modal to the main window only: the report window, shown from a member
    // window, stays usable beside it.
    window->setWindowModality(Qt::WindowModal);
    window->winId();
    window->windowHandle()->setTransientParent(windowHandle());
    window->exec();
}

void TForm1::open_help_page() {
    if (help_ == nullptr) {
        help_ = new TAjuda(this);
    }
    if (!help_->open(help_page_)) {
        dialogs().error(this, QStringLiteral("Erro"),
                        QStringLiteral("Conexão com navegador Impossível!"));
    }
}

void TForm1::open_verification_manual() {
    if (!QFileInfo::exists(verification_manual_)) {
        dialogs().error(this, QStringLiteral("Erro"),
                        QStringLiteral("O manual de verificação não foi encontrado em\n%1\n"
                                       "Reinstale o Quintaro.")
                            .arg(QDir::toNativeSeparators(verification_manual_)));
        return;
    }
    if (!open_url_(QUrl::fromLocalFile(verification_manual_))) {
        dialogs().error(this, QStringLiteral("Erro"),
                        QStringLiteral("Nenhum programa abriu o manual de verificação (PDF)\n%1\n"
                                       "Instale um leitor de PDF.")
                            .arg(QDir::toNativeSeparators(verification_manual_)));
    }
}

void TForm1::set_member_windows(std::vector<MemberWindow*> windows) {
    members_.assign(windows.begin(), windows.end());
}

void TForm1::clear_member_results() {
    for (const QPointer<MemberWindow>& window : members_) {
        if (window) {
            window->clear_results();
        }
    }
}

void TForm1::set_standard(checks::Standard standard) {
    for (const auto& [each, item] : standard_items_) {
        item->setChecked(each == standard);
    }
    setWindowTitle(
        QStringLiteral("Quintaro (Ver 1.5m)") +
        (standard == checks::kDefaultStandard
             ? QString()
             : QStringLiteral(" — ") + QString::fromUtf8(checks::standard_name(standard).data())));
    if (auto* title = findChild<QLabel*>(QStringLiteral("Image1"))) {
        title->setPixmap(QPixmap::fromImage(drawings::title_artwork(
            title->size(), QString::fromUtf8(checks::standard_name(standard).data()))));
    }
    if (standard == standard_) {
        return;
    }
    standard_ = standard;
    for (const QPointer<MemberWindow>& window : members_) {
        if (window) {
            window->set_standard(standard);
        }
    }
    emit standard_changed(standard);
}

void TForm1::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        emit closed();
    }
}

void TForm1::FormCreate() {
    use_decimal_comma();
}
void TForm1::Sair1Click() {
    close();
}
void TForm1::Ao1Click() {
    show_modally("TEscolhe_Aco");
}
void TForm1::Notaes1Click() {
    show_modally("TNota");
}
void TForm1::ConteudoClick() {
    open_help_page();
}
void TForm1::ManualVerificacaoClick() {
    open_verification_manual();
}
void TForm1::Sobre1Click() {
    show_modally("TSobreQuintaro");
}

}  // namespace quintaro::shell
