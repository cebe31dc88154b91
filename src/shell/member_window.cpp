#include "shell/member_window.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "catalogue/table.h"
#include "checks/frame.h"
#include "checks/windows.h"
#include "drawings/section_drawing.h"
#include "shell/db_navigator.h"
#include "shell/dialogs.h"
#include "shell/table_binding.h"
#include "shell/widget_boxes.h"

namespace quintaro::shell {
namespace {

QString qs(const char* text) {
    return QString::fromUtf8(text);
}
QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

constexpr int kBoxWidth = 78;

QLineEdit* make_box(QWidget* parent, const char* name, const QString& text, bool read_only) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(qs(name));
    box->setFixedWidth(kBoxWidth);
    box->setAlignment(Qt::AlignRight);
    box->setReadOnly(read_only);
    return box;
}

QLabel* make_label(QWidget* parent, const QString& text, Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

}  // namespace

MemberWindow::MemberWindow(const MemberDescriptor& descriptor, const WindowContext& context,
                           QWidget* parent)
    : QDialog(parent),
      descriptor_(descriptor),
      checked_(checks::descriptor(descriptor.kind)),
      state_(checked_.make_state()) {
    setObjectName(qs(descriptor.object_name));
    setWindowTitle(qs(descriptor.caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    open_tables(context.location);
    build(context);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// The binding lets go of the tables before they close.
MemberWindow::~MemberWindow() {
    delete binding_;
}

void MemberWindow::open_tables(const catalogue::TableLocation& where) {
    for (const checks::CatalogueTable& source : checked_.tables) {
        auto opened = catalogue::Table::open(source.file, where);
        if (opened) {
            tables_.push_back(std::move(opened.value()));
            tables_.back()->set_index_tag(source.default_tag);
            table_failures_.emplace_back();
        } else {
            tables_.push_back(nullptr);
            table_failures_.push_back(QString::fromStdString(opened.error()));
            open_failures_ << table_failures_.back();
        }
    }
}

catalogue::Table* MemberWindow::table(int index) const {
    return index >= 0 && index < int(tables_.size()) ? tables_[index].get() : nullptr;
}

catalogue::Table* MemberWindow::shown_table() const {
    return table(shown_);
}

void MemberWindow::build(const WindowContext& context) {
    boxes_ = std::make_unique<WidgetBoxes>(this, context.steel_window);
    messages_ = std::make_unique<WindowMessages>(this);

    auto* columns = new QHBoxLayout(this);
    columns->addWidget(build_panel(), 0, Qt::AlignTop);
    auto* middle = new QVBoxLayout;
    middle->addWidget(build_picture());
    middle->addStretch();
    columns->addLayout(middle);
    auto* right = new QVBoxLayout;
    right->addWidget(build_inputs());
    right->addWidget(build_results());
    right->addStretch();
    right->addWidget(build_buttons());
    columns->addLayout(right);
    show_series(series_of(0));
}

QWidget* MemberWindow::build_panel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* identity = new QGroupBox(QStringLiteral("Identificação"), panel);
    auto* identity_grid = new QGridLayout(identity);
    auto* designation = new QLineEdit(identity);
    designation->setObjectName(QStringLiteral("R_Perfil"));
    identity_grid->addWidget(make_label(identity, QStringLiteral("Perfil"), Qt::AlignRight), 0, 0);
    identity_grid->addWidget(designation, 0, 1);
    if (checked_.tables.size() > 1) {
        series_box_ = new QComboBox(identity);
        series_box_->setObjectName(qs(checked_.series_box));
        series_box_->setEditable(true);
        for (int i = 0; i < int(checked_.tables.size()); ++i) {
            series_box_->addItem(series_of(i));
        }
        identity_grid->addWidget(make_label(identity, QStringLiteral("Série"), Qt::AlignRight), 0,
                                 2);
        identity_grid->addWidget(series_box_, 0, 3);
        connect(series_box_, &QComboBox::currentTextChanged, this, &MemberWindow::SerieChange);
    }
    column->addWidget(identity);

    auto* dimensions = new QGroupBox(QStringLiteral("Dimensões"), panel);
    auto* grid = new QGridLayout(dimensions);
    grid->setHorizontalSpacing(6);
    auto* navigator = new DBNavigator(panel);
    binding_ = new TableBinding(this, navigator);
    binding_->bind(designation, field_of("R_Perfil"));
    const int rows = int(descriptor_.dimensions.size() + 1) / 2;
    for (int i = 0; i < int(descriptor_.dimensions.size()); ++i) {
        const BoundBox& bound = descriptor_.dimensions[i];
        const int row = i % rows, col = (i / rows) * 4;
        auto* box = make_box(dimensions, bound.box, QString(), false);
        grid->addWidget(make_label(dimensions, qs(bound.label), Qt::AlignRight), row, col);
        grid->addWidget(box, row, col + 1);
        grid->addWidget(make_label(dimensions, qs(bound.unit), Qt::AlignLeft), row, col + 2);
        binding_->bind(box, field_of(bound.box));
    }
    grid->setColumnMinimumWidth(3, 12);
    column->addWidget(dimensions);
    if (descriptor_.single_angle_note) {
        auto* note = new QLabel(QStringLiteral("* Dado referente a uma única cantoneira"), panel);
        note->setObjectName(QStringLiteral("Label_Nota"));
        column->addWidget(note);
    }
    column->addWidget(navigator, 0, Qt::AlignHCenter);
    column->addStretch();
    return panel;
}

QImage MemberWindow::section_picture() const {
    return drawings::section_picture(descriptor_.kind, QSize(240, 240));
}

QWidget* MemberWindow::build_picture() {
    auto* frame = new QWidget(this);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setFrameShape(QFrame::Box);
    picture->setPixmap(QPixmap::fromImage(section_picture()));
    column->addWidget(picture, 0, Qt::AlignHCenter);
    auto* purpose = new QPlainTextEdit(qs(descriptor_.purpose), frame);
    purpose->setObjectName(QStringLiteral("Memo1"));
    purpose->setReadOnly(true);
    purpose->setFrameShape(QFrame::NoFrame);
    purpose->setFixedSize(300, 64);
    purpose->setLineWrapMode(QPlainTextEdit::NoWrap);
    purpose->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    purpose->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    purpose->setPalette(palette());
    purpose->viewport()->setAutoFillBackground(false);
    column->addWidget(purpose, 0, Qt::AlignHCenter);
    return frame;
}

QWidget* MemberWindow::build_inputs() {
    auto* inputs = new QWidget(this);
    auto* column = new QVBoxLayout(inputs);
    column->setContentsMargins(0, 0, 0, 0);
    QGroupBox* group = nullptr;
    QGridLayout* grid = nullptr;
    int row = 0;
    for (const InputBox& input : descriptor_.inputs) {
        if (group == nullptr || group->title() != qs(input.group)) {
            group = new QGroupBox(qs(input.group), inputs);
            grid = new QGridLayout(group);
            column->addWidget(group);
            row = 0;
        }
        auto* label = make_label(group, qs(input.label), Qt::AlignRight);
        auto* box = make_box(group, input.box, QStringLiteral("0,00"), false);
        if (input.hint != nullptr) {
            label->setToolTip(qs(input.hint));
            box->setToolTip(qs(input.hint));
        }
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(make_label(group, qs(input.unit), Qt::AlignLeft), row, 2);
        ++row;
    }
    return inputs;
}

QWidget* MemberWindow::build_results() {
    auto* group = new QGroupBox(QStringLiteral("Resistências de Cálculo"), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const ResultBox& result : descriptor_.results) {
        grid->addWidget(make_label(group, qs(result.label), Qt::AlignRight), row, 0);
        grid->addWidget(make_box(group, result.box, QStringLiteral("0,00"), true), row, 1);
        grid->addWidget(make_label(group, qs(result.unit), Qt::AlignLeft), row, 2);
        if (result.verdict != nullptr) {
            auto* verdict = make_box(group, result.verdict, QString(), true);
            verdict->setAlignment(Qt::AlignCenter);
            QPalette face = verdict->palette();
            face.setColor(QPalette::Base, face.color(QPalette::Button));
            verdict->setPalette(face);
            verdict->setFocusPolicy(Qt::NoFocus);
            grid->addWidget(verdict, row, 3);
        }
        ++row;
    }
    return group;
}

QWidget* MemberWindow::build_buttons() {
    auto* buttons = new QWidget(this);
    auto* grid = new QGridLayout(buttons);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::string_view calculate = descriptor_.calculate_button;
    const bool calculate_is_4 = calculate == "BitBtn4";
    struct ButtonRole {
        const char* name;
        const char* text;
        void (MemberWindow::*slot)();
    };
    const ButtonRole roles[] = {
        {descriptor_.calculate_button, "Calcular",
         calculate_is_4 ? &MemberWindow::BitBtn4Click : &MemberWindow::BitBtn1Click},
        {"BitBtn2", "Relatório", &MemberWindow::BitBtn2Click},
        {"BitBtn3", "Mais Leve", &MemberWindow::BitBtn3Click},
        {"SpeedButton1", "Ok", &MemberWindow::SpeedButton1Click},
    };
    int i = 0;
    for (const ButtonRole& role : roles) {
        auto* button = new QPushButton(qs(role.text), buttons);
        button->setObjectName(qs(role.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, role.slot);
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }
    return buttons;
}

bool MemberWindow::catalogue_present() {
    if (shown_table() != nullptr) {
        return true;
    }
    binding_->report_missing();
    return false;
}

bool MemberWindow::work(const std::function<void()>& job) {
    const bool outer = !working_;
    working_ = true;
    const bool completed = checks::run_handler(*messages_, job);
    working_ = !outer;
    return completed;
}

bool MemberWindow::calculate() {
    bool completed = false;
    if (catalogue_present()) {
        work([&] { completed = checks::check(descriptor_.kind, *boxes_, *messages_, *state_); });
    }
    check_complete_ = completed;
    return completed;
}

void MemberWindow::write_report() {
    if (catalogue_present() && report_action_) {
        work([this] { report_action_(*this); });
    }
}

void MemberWindow::find_lightest() {
    if (catalogue_present() && search_action_ && binding_->post_pending()) {
        work([this] { search_action_(*this); });
    }
}

void MemberWindow::restore_default_order() {
    // The welded window restores only its CS table, whatever series is shown.
    if (catalogue::Table* first = table(0)) {
        first->set_index_tag(checked_.tables.front().default_tag);
    }
}

void MemberWindow::show_series(const QString& series) {
    for (int i = 0; i < int(checked_.tables.size()); ++i) {
        if (series != series_of(i)) {
            continue;
        }
        if (i != shown_ && !binding_->post_pending()) {
            const QSignalBlocker quiet(series_box_);
            series_box_->setCurrentText(series_of(shown_));
            return;
        }
        shown_ = i;
        binding_->set_missing_message(
            QStringLiteral("O catálogo \"%1\" não está disponível; este perfil não pode ser "
                           "consultado nem verificado.\n\n%2")
                .arg(qs(checked_.tables[i].file), table_failures_[i]));
        binding_->show_table(shown_table());
        return;
    }
}

QString MemberWindow::series_of(int table) const {
    return qs(checked_.tables[table].series);
}

std::string MemberWindow::field_of(const char* box) const {
    for (const checks::PanelField& shown : checked_.panel) {
        if (shown.box == box) {
            return std::string(shown.field);
        }
    }
    return {};
}

void MemberWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !working_) {
        FormActivate();
    }
}

void MemberWindow::BitBtn1Click() {
    calculate();
}
void MemberWindow::BitBtn4Click() {
    calculate();
}
void MemberWindow::BitBtn2Click() {
    write_report();
}
void MemberWindow::BitBtn3Click() {
    find_lightest();
}
void MemberWindow::SpeedButton1Click() {
    close();
}
void MemberWindow::FormActivate() {
    restore_default_order();
}
void MemberWindow::SerieChange() {
    show_series(series_box_->currentText());
}

}  // namespace quintaro::shell
