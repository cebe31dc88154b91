#include "shell/member_window.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "catalogue/table.h"
#include "checks/frame.h"
#include "checks/windows.h"
#include "common/decimal.h"
#include "common/handler_error.h"
#include "drawings/section_drawing.h"
#include "shell/db_navigator.h"
#include "shell/designation_picker.h"
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
// Beside the ratio of the row that governs the check.
constexpr const char* kGoverningMark = "◀ governa";
constexpr int kPictureSide = 240;

QLineEdit* make_box(QWidget* parent, const char* name, const QString& text, bool read_only) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(qs(name));
    box->setFixedWidth(kBoxWidth);
    box->setAlignment(Qt::AlignRight);
    box->setReadOnly(read_only);
    return box;
}

// The label of a box is its buddy, so that a message about the box can name
// it as the user reads it.
QLabel* make_label(QWidget* parent, const QString& text, Qt::Alignment align,
                   QWidget* buddy = nullptr) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setBuddy(buddy);
    return label;
}

// The section drawing, painted afresh at the size the window gives it, so it
// stays crisp when the window is enlarged.
class SectionImage : public QLabel {
  public:
    SectionImage(checks::WindowKind kind, QWidget* parent) : QLabel(parent), kind_(kind) {
        setObjectName(QStringLiteral("Image1"));
        setFrameShape(QFrame::Box);
        setAlignment(Qt::AlignCenter);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        paint(QSize(kPictureSide, kPictureSide));
    }
    QSize sizeHint() const override { return framed(kPictureSide); }
    QSize minimumSizeHint() const override { return framed(kPictureSide); }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        paint(contentsRect().size().expandedTo(QSize(kPictureSide, kPictureSide)));
    }

  private:
    QSize framed(int side) const { return QSize(side, side) + QSize(2, 2) * frameWidth(); }
    void paint(QSize size) {
        if (pixmap().size() != size) {
            setPixmap(QPixmap::fromImage(drawings::section_picture(kind_, size)));
        }
    }
    checks::WindowKind kind_;
};

// A watched widget's value as the check reads it.
QString value_of(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (auto* check = qobject_cast<QAbstractButton*>(widget)) {
        return check->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    }
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
        return spin->text();
    }
    return {};
}

}  // namespace

MemberWindow::MemberWindow(const MemberDescriptor& descriptor, const WindowContext& context,
                           QWidget* parent)
    : QDialog(parent),
      descriptor_(descriptor),
      checked_(&checks::descriptor(descriptor.kind)),
      state_(checked_->make_state()) {
    setObjectName(qs(descriptor.object_name));
    setWindowTitle(qs(descriptor.caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    open_tables(context.location);
    build(context);
}

// The binding lets go of the tables before they close.
MemberWindow::~MemberWindow() {
    delete picker_;
    delete binding_;
}

checks::Boxes& MemberWindow::boxes() {
    return *boxes_;
}

checks::Messages& MemberWindow::messages() {
    return *messages_;
}

void MemberWindow::open_tables(const catalogue::TableLocation& where) {
    for (const checks::CatalogueTable& source : checked_->tables) {
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
    QWidget* panel = build_panel();
    columns->addWidget(panel, 0, Qt::AlignTop);
    columns->addWidget(build_picture(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(build_steel(context.steel_window));
    QWidget* inputs = build_inputs();
    right->addWidget(inputs);
    right->addWidget(build_results());
    right->addStretch();
    right->addWidget(build_buttons());
    columns->addLayout(right);
    show_series(series_of(0));
    watch_inputs({panel, inputs});
    chain_tabs();
}

QWidget* MemberWindow::build_panel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* identity = new QGroupBox(QStringLiteral("Identificação"), panel);
    auto* identity_grid = new QGridLayout(identity);
    designation_ = new QLineEdit(identity);
    designation_->setObjectName(QStringLiteral("R_Perfil"));
    identity_grid->addWidget(
        make_label(identity, QStringLiteral("Perfil"), Qt::AlignRight, designation_), 0, 0);
    identity_grid->addWidget(designation_, 0, 1);
    if (checked_->tables.size() > 1) {
        series_box_ = new QComboBox(identity);
        series_box_->setObjectName(qs(checked_->series_box));
        series_box_->setEditable(true);
        for (int i = 0; i < int(checked_->tables.size()); ++i) {
            series_box_->addItem(series_of(i));
        }
        identity_grid->addWidget(
            make_label(identity, QStringLiteral("Série"), Qt::AlignRight, series_box_), 0, 2);
        identity_grid->addWidget(series_box_, 0, 3);
        connect(series_box_, &QComboBox::currentTextChanged, this, &MemberWindow::SerieChange);
    }
    column->addWidget(identity);

    auto* dimensions = new QGroupBox(QStringLiteral("Dimensões"), panel);
    auto* grid = new QGridLayout(dimensions);
    grid->setHorizontalSpacing(6);
    auto* navigator = new DBNavigator(panel);
    binding_ = new TableBinding(this, navigator);
    binding_->bind(designation_, field_of("R_Perfil"));
    picker_ = new DesignationPicker(designation_, *binding_, field_of("R_Perfil"));
    const int rows = int(descriptor_.dimensions.size() + 1) / 2;
    for (int i = 0; i < int(descriptor_.dimensions.size()); ++i) {
        const BoundBox& bound = descriptor_.dimensions[i];
        const int row = i % rows, col = (i / rows) * 4;
        auto* box = make_box(dimensions, bound.box, QString(), true);
        grid->addWidget(make_label(dimensions, qs(bound.label), Qt::AlignRight, box), row, col);
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
    auto* mode = new QLabel(panel);
    mode->setObjectName(QStringLiteral("Label_Edicao"));
    mode->setAlignment(Qt::AlignCenter);
    QFont bold = mode->font();
    bold.setBold(true);
    mode->setFont(bold);
    binding_->set_mode_label(mode);
    column->addWidget(mode);
    column->addStretch();
    return panel;
}

QImage MemberWindow::section_picture() const {
    return drawings::section_picture(descriptor_.kind, QSize(kPictureSide, kPictureSide));
}

QWidget* MemberWindow::build_picture() {
    auto* frame = new QWidget(this);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new SectionImage(descriptor_.kind, frame), 1);
    auto* purpose = new QPlainTextEdit(qs(descriptor_.purpose), frame);
    purpose->setObjectName(QStringLiteral("Memo1"));
    purpose->setReadOnly(true);
    purpose->setFocusPolicy(Qt::NoFocus);
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

QWidget* MemberWindow::build_steel(QWidget* steel_window) {
    steel_label_ = new QLabel(this);
    steel_label_->setObjectName(QStringLiteral("Label_Aco"));
    steel_label_->setWordWrap(true);
    if (steel_window != nullptr) {
        for (const std::string_view box :
             {checks::kSteelNameBox, checks::kSteelFyBox, checks::kSteelFuBox}) {
            if (auto* edit = steel_window->findChild<QLineEdit*>(qs(box))) {
                connect(edit, &QLineEdit::textChanged, this, &MemberWindow::show_steel);
            }
        }
    }
    show_steel();
    standard_label_ = new QLabel(this);
    standard_label_->setObjectName(QStringLiteral("Label_Norma"));
    auto* both = new QWidget(this);
    auto* lines = new QVBoxLayout(both);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(2);
    lines->addWidget(steel_label_);
    lines->addWidget(standard_label_);
    return both;
}

// "Aço MR250 — fy = 25,00 kN/cm²": the steel the next check reads; a grade
// the check refuses is shown with the check's own reason.
void MemberWindow::show_steel() {
    const std::string name = boxes_->text(checks::kSteelNameBox);
    if (name.empty() && boxes_->text(checks::kSteelFyBox).empty()) {
        steel_label_->setText(QStringLiteral("Aço: nenhum tipo de aço em vigor"));
        return;
    }
    try {
        const Steel steel = checks::read_steel(*boxes_);
        steel_label_->setText(
            QStringLiteral("Aço %1 — fy = %2 kN/cm²").arg(qs(name), qs(format_decimal(steel.fy))));
    } catch (const HandlerError& refused) {
        steel_label_->setText(QStringLiteral("Aço %1 — %2").arg(qs(name), qs(refused.what())));
    }
}

// The boxes of every standard, each in its group: a box a later standard
// adds joins its group after the group's own boxes.
QWidget* MemberWindow::build_inputs() {
    auto* inputs = new QWidget(this);
    // The groups of 1986 in the first column; a group only a later standard
    // has goes beside them, so the window keeps its height.
    auto* columns = new QGridLayout(inputs);
    columns->setContentsMargins(0, 0, 0, 0);
    std::vector<std::pair<const char*, bool>> groups;  // title, beside
    for (const auto& list : {descriptor_.inputs, added_inputs(descriptor_.kind)}) {
        const bool added = list.data() != descriptor_.inputs.data();
        for (const InputBox& input : list) {
            if (std::none_of(groups.begin(), groups.end(),
                             [&](const auto& g) { return qs(g.first) == qs(input.group); })) {
                groups.emplace_back(input.group, added);
            }
        }
    }
    int first = 0, beside = 0;
    for (const auto& [title, added] : groups) {
        auto* group = new QGroupBox(qs(title), inputs);
        new QGridLayout(group);
        if (added) {
            columns->addWidget(group, beside++, 1, Qt::AlignTop);
        } else {
            columns->addWidget(group, first++, 0);
        }
        int row = 0;
        for (const auto& list : {descriptor_.inputs, added_inputs(descriptor_.kind)}) {
            for (const InputBox& input : list) {
                if (qs(input.group) == qs(title)) {
                    add_input(group, input, row++);
                }
            }
        }
    }
    show_standard();
    return inputs;
}

QWidget* MemberWindow::add_input(QGroupBox* group, const InputBox& input, int row) {
    auto* grid = static_cast<QGridLayout*>(group->layout());
    InputRow shown{input.box, {}, group};
    if (checks::is_check_box(input.box)) {
        auto* check = new QCheckBox(qs(input.label), group);
        check->setObjectName(qs(input.box));
        check->setChecked(checks::input_default(input.box) == "1");
        if (input.hint != nullptr) {
            check->setToolTip(qs(input.hint));
        }
        check_boxes_.push_back(check);
        grid->addWidget(check, row, 0, 1, 3);
        shown.widgets = {check};
        input_rows_.push_back(shown);
        return check;
    }
    if (const auto choices = checks::input_choices(input.box); !choices.empty()) {
        auto* combo = new QComboBox(group);
        combo->setObjectName(qs(input.box));
        for (const std::string_view choice : choices) {
            combo->addItem(qs(choice));
        }
        auto* label = make_label(group, qs(input.label), Qt::AlignRight, combo);
        if (input.hint != nullptr) {
            label->setToolTip(qs(input.hint));
            combo->setToolTip(qs(input.hint));
        }
        choice_boxes_.push_back(combo);
        grid->addWidget(label, row, 0);
        grid->addWidget(combo, row, 1, 1, 2);
        shown.widgets = {label, combo};
        input_rows_.push_back(shown);
        return combo;
    }
    auto* box = make_box(group, input.box, qs(checks::input_default(input.box)), false);
    auto* label = make_label(group, qs(input.label), Qt::AlignRight, box);
    if (input.hint != nullptr) {
        label->setToolTip(qs(input.hint));
        box->setToolTip(qs(input.hint));
    }
    // Enter in an input box is "Calcular".
    connect(box, &QLineEdit::returnPressed, this, [this] { calculate(); });
    inputs_.push_back(box);
    auto* unit = make_label(group, qs(input.unit), Qt::AlignLeft);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(unit, row, 2);
    shown.widgets = {label, box, unit};
    input_rows_.push_back(shown);
    return box;
}

checks::Standard MemberWindow::standard() const {
    return checked_->standard;
}

void MemberWindow::set_standard(checks::Standard standard) {
    if (standard != checked_->standard) {
        clear_results();
        checked_ = &checks::descriptor(descriptor_.kind, standard);
        state_ = checked_->make_state();
    }
    show_standard();
}

// Only the boxes the check in force reads are shown; a group left empty goes.
void MemberWindow::show_standard() {
    std::vector<std::pair<QGroupBox*, bool>> groups;
    for (const InputRow& row : input_rows_) {
        const bool read = std::find(checked_->inputs.begin(), checked_->inputs.end(), row.box) !=
                          checked_->inputs.end();
        for (QWidget* widget : row.widgets) {
            widget->setVisible(read);
        }
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& g) { return g.first == row.group; });
        if (group == groups.end()) {
            groups.emplace_back(row.group, read);
        } else {
            group->second = group->second || read;
        }
    }
    for (const auto& [group, any] : groups) {
        group->setVisible(any);
    }
    if (standard_label_ != nullptr) {
        standard_label_->setText(
            QStringLiteral("Norma: %1").arg(qs(checks::standard_name(checked_->standard))));
    }
}

QWidget* MemberWindow::build_results() {
    auto* group = new QGroupBox(QStringLiteral("Resistências de Cálculo"), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    // Above the verdicts: the column of utilisations.
    auto* heading = make_label(group, QStringLiteral("Sd/Rd"), Qt::AlignRight);
    heading->setToolTip(
        QStringLiteral("Aproveitamento |Sd|/|Rd| de cada verificação; na "
                       "flexão composta, o valor da equação de interação. "
                       "O maior governa."));
    grid->addWidget(heading, row++, 4);
    QFont bold = heading->font();
    bold.setBold(true);
    const QFontMetrics wide(bold);
    for (const ResultBox& result : descriptor_.results) {
        auto* box = make_box(group, result.box, QStringLiteral("0,00"), true);
        // Results can be selected and copied, but Tab passes them by.
        box->setFocusPolicy(Qt::ClickFocus);
        grid->addWidget(make_label(group, qs(result.label), Qt::AlignRight, box), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(make_label(group, qs(result.unit), Qt::AlignLeft), row, 2);
        if (result.verdict != nullptr) {
            auto* verdict = make_box(group, result.verdict, QString(), true);
            verdict->setAlignment(Qt::AlignCenter);
            QPalette face = verdict->palette();
            face.setColor(QPalette::Base, face.color(QPalette::Button));
            verdict->setPalette(face);
            verdict->setFocusPolicy(Qt::NoFocus);
            grid->addWidget(verdict, row, 3);
            // Sized for a bold ratio and the mark, so that showing them
            // never resizes the window.
            auto* ratio = make_label(group, QString(), Qt::AlignRight);
            ratio->setObjectName(QStringLiteral("Aproveitamento_") + qs(result.box));
            ratio->setMinimumWidth(wide.horizontalAdvance(QStringLiteral("0000,00")));
            auto* mark = make_label(group, QString(), Qt::AlignLeft);
            mark->setObjectName(QStringLiteral("Governa_") + qs(result.box));
            mark->setMinimumWidth(wide.horizontalAdvance(QString::fromUtf8(kGoverningMark)));
            mark->setFont(bold);
            grid->addWidget(ratio, row, 4);
            grid->addWidget(mark, row, 5);
            ratios_.push_back({result.box, ratio, mark});
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
        buttons_.push_back(button);
        ++i;
    }
    return buttons;
}

// Every box, drop-down and check box the check reads on this window: the
// panel's and the input area's, whatever kinds of control a standard adds.
void MemberWindow::watch_inputs(const std::vector<QWidget*>& areas) {
    const auto changed = [this] { inputs_changed(); };
    for (QWidget* area : areas) {
        for (QWidget* widget : area->findChildren<QWidget*>()) {
            // The line edit inside an editable drop-down is the drop-down's.
            if (qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr) {
                continue;
            }
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                connect(edit, &QLineEdit::textChanged, this, changed);
            } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                connect(combo, &QComboBox::currentTextChanged, this, changed);
            } else if (auto* check = qobject_cast<QAbstractButton*>(widget);
                       check != nullptr && check->isCheckable()) {
                connect(check, &QAbstractButton::toggled, this, changed);
            } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
                connect(spin, &QAbstractSpinBox::editingFinished, this, changed);
            } else {
                continue;
            }
            watched_.push_back(widget);
        }
    }
    connect(binding_, &TableBinding::shown, this, changed);
}

// Tab walks the inputs, the buttons, then the designation and the series;
// the panel's boxes only while a row is being edited.
void MemberWindow::chain_tabs() {
    std::vector<QWidget*> chain(inputs_.begin(), inputs_.end());
    chain.insert(chain.end(), buttons_.begin(), buttons_.end());
    chain.push_back(designation_);
    if (series_box_ != nullptr) {
        chain.push_back(series_box_);
    }
    for (const BoundBox& bound : descriptor_.dimensions) {
        chain.push_back(findChild<QLineEdit*>(qs(bound.box)));
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
}

bool MemberWindow::catalogue_present() {
    if (shown_table() != nullptr) {
        return true;
    }
    binding_->report_missing();
    return false;
}

bool MemberWindow::work(checks::Messages& messages, const std::function<void()>& job) {
    const bool outer = !working_;
    working_ = true;
    const bool completed = checks::run_handler(messages, job);
    working_ = !outer;
    return completed;
}

bool MemberWindow::calculate() {
    return calculate(*messages_);
}

bool MemberWindow::calculate(checks::Messages& messages) {
    bool completed = false;
    if (catalogue_present()) {
        work(messages, [&] { completed = checks::check(*checked_, *boxes_, messages, *state_); });
        results_shown_ = true;
        show_ratios(completed);
    }
    check_complete_ = completed;
    checked_reads_ = completed ? what_the_check_reads() : QStringList();
    return completed;
}

// Each verdict's utilisation as the check recorded it ("—" for a row that
// failed without one); the governing row bold and marked, once the check ran
// to its end.
void MemberWindow::show_ratios(bool completed) {
    const checks::RowRecord* governing = completed ? state_->governing_row() : nullptr;
    for (const RatioRow& shown : ratios_) {
        const checks::RowRecord* row = state_->row(shown.box);
        QString text;
        if (row != nullptr) {
            text = row->ratio ? qs(format_decimal(*row->ratio)) : QStringLiteral("—");
        }
        const bool governs = row != nullptr && row == governing;
        shown.ratio->setText(text);
        QFont font = shown.ratio->font();
        font.setBold(governs);
        shown.ratio->setFont(font);
        shown.mark->setText(governs ? QString::fromUtf8(kGoverningMark) : QString());
    }
}

void MemberWindow::clear_results() {
    checks::reset_results(*boxes_, checked_->results);
    for (const RatioRow& shown : ratios_) {
        shown.ratio->clear();
        shown.mark->clear();
    }
    check_complete_ = false;
    results_shown_ = false;
    checked_reads_.clear();
}

bool MemberWindow::results_current() const {
    return check_complete_ && checked_reads_ == what_the_check_reads();
}

void MemberWindow::drop_stale_results() {
    if (results_shown_ && !results_current()) {
        clear_results();
    }
}

void MemberWindow::inputs_changed() {
    if (!working_) {
        drop_stale_results();
    }
}

// The table shown, every watched value and the steel. While browsing, the
// designation is the row's, whatever is being typed in the picker.
QStringList MemberWindow::what_the_check_reads() const {
    QStringList reads{QString::number(shown_)};
    for (QWidget* widget : watched_) {
        if (widget == designation_ && !binding_->editing()) {
            const catalogue::Table* shown = shown_table();
            reads << (shown != nullptr ? qs(shown->text(field_of("R_Perfil"))) : QString());
        } else {
            reads << value_of(widget);
        }
    }
    for (const std::string_view box :
         {checks::kSteelNameBox, checks::kSteelFyBox, checks::kSteelFuBox}) {
        reads << qs(boxes_->text(box));
    }
    return reads;
}

// "Relatório" describes exactly what the window shows: when the last finished
// check read anything else, "Calcular" runs first.
void MemberWindow::write_report() {
    if (!catalogue_present() || !report_action_) {
        return;
    }
    if (checked_->standard != checks::Standard::Nbr1986) {
        // The report writers follow NBR 8800:1986: a report of theirs would
        // describe a check that was not made.
        messages_->show(kNoReportUnderStandard);
        return;
    }
    if (!results_current() && !calculate()) {
        return;
    }
    work(*messages_, [this] { report_action_(*this); });
}

void MemberWindow::find_lightest() {
    if (catalogue_present() && search_action_ && binding_->post_pending()) {
        work(*messages_, [this] { search_action_(*this); });
        drop_stale_results();
    }
}

void MemberWindow::restore_default_order() {
    // The welded window restores only its CS table, whatever series is shown.
    if (catalogue::Table* first = table(0)) {
        first->set_index_tag(checked_->tables.front().default_tag);
    }
}

void MemberWindow::show_series(const QString& series) {
    for (int i = 0; i < int(checked_->tables.size()); ++i) {
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
                .arg(qs(checked_->tables[i].file), table_failures_[i]));
        binding_->show_table(shown_table());
        return;
    }
}

QString MemberWindow::series_of(int table) const {
    return qs(checked_->tables[table].series);
}

std::string MemberWindow::field_of(const char* box) const {
    for (const checks::PanelField& shown : checked_->panel) {
        if (shown.box == box) {
            return std::string(shown.field);
        }
    }
    return {};
}

namespace {

QString row_key(const QString& series) {
    return series.isEmpty() ? QStringLiteral("perfil") : QStringLiteral("perfil/") + series;
}

}  // namespace

void MemberWindow::save_session(QSettings& settings) const {
    for (const QLineEdit* input : inputs_) {
        settings.setValue(input->objectName(), input->text());
    }
    for (const QCheckBox* check : check_boxes_) {
        settings.setValue(check->objectName(), check->isChecked());
    }
    for (const QComboBox* choice : choice_boxes_) {
        settings.setValue(choice->objectName(), choice->currentText());
    }
    if (series_box_ != nullptr) {
        settings.setValue(QStringLiteral("serie"), series_box_->currentText());
    }
    const std::string field = field_of("R_Perfil");
    for (int i = 0; i < int(tables_.size()); ++i) {
        const catalogue::Table* t = table(i);
        if (t != nullptr && !t->empty() && t->state() == catalogue::EditState::Browse) {
            settings.setValue(row_key(series_of(i)), qs(t->text(field)));
        }
    }
}

// A row is found again by its designation, so that a catalogue edited in
// between never shows another section; one that is gone leaves the row as
// the table opens.
void MemberWindow::restore_session(const QSettings& settings) {
    for (QLineEdit* input : inputs_) {
        const QVariant kept = settings.value(input->objectName());
        if (kept.isValid()) {
            input->setText(kept.toString());
        }
    }
    for (QCheckBox* check : check_boxes_) {
        const QVariant kept = settings.value(check->objectName());
        if (kept.isValid()) {
            check->setChecked(kept.toBool());
        }
    }
    // A text no longer among the choices leaves the first.
    for (QComboBox* choice : choice_boxes_) {
        const int kept = choice->findText(settings.value(choice->objectName()).toString());
        if (kept >= 0) {
            choice->setCurrentIndex(kept);
        }
    }
    const std::string field = field_of("R_Perfil");
    for (int i = 0; i < int(tables_.size()); ++i) {
        const QString designation = settings.value(row_key(series_of(i))).toString();
        if (table(i) == nullptr || designation.isEmpty()) {
            continue;
        }
        show_series(series_of(i));
        const int position = binding_->column(field).indexOf(designation);
        if (position >= 0) {
            binding_->go_to(position);
        }
    }
    if (series_box_ != nullptr) {
        const QString kept = settings.value(QStringLiteral("serie")).toString();
        bool known = false;
        for (int i = 0; i < int(tables_.size()); ++i) {
            known = known || series_of(i) == kept;
        }
        const QString series = known ? kept : series_box_->currentText();
        {
            const QSignalBlocker quiet(series_box_);
            series_box_->setCurrentText(series);
        }
        show_series(series);
    }
}

void MemberWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !working_) {
        FormActivate();
    }
}

// Every showing starts in the first input box, never in the panel, its text
// selected so that what is typed replaces it.
void MemberWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!inputs_.empty()) {
        inputs_.front()->setFocus(Qt::ActiveWindowFocusReason);
        inputs_.front()->selectAll();
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
