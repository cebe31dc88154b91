#include "shell/escolhe_aco.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <cmath>

#include "catalogue/table.h"
#include "checks/frame.h"
#include "common/decimal.h"
#include "common/handler_error.h"
#include "shell/db_navigator.h"
#include "shell/dialogs.h"
#include "shell/table_binding.h"

namespace quintaro::shell {

void TEscolhe_Aco::set_standard(checks::Standard standard) {
    const checks::ElasticConstants constants = checks::elastic_constants(standard);
    if (auto* E = findChild<QLineEdit*>(QStringLiteral("E_aco"))) {
        E->setText(QString::fromStdString(format_shortest(constants.E)));
    }
    if (auto* G = findChild<QLineEdit*>(QStringLiteral("G_aco"))) {
        G->setText(QString::fromStdString(format_shortest(constants.G)));
    }
}

TEscolhe_Aco::TEscolhe_Aco(const catalogue::TableLocation& where, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Escolhe_Aco"));
    setWindowTitle(QStringLiteral("Tipo de Aço"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* column = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Aço"), this);
    auto* grid = new QGridLayout(group);
    auto* navigator = new DBNavigator(group);
    binding_ = new TableBinding(this, navigator);
    struct Row {
        const char* label;
        const char* box;
        const char* field;  // nullptr: a plain box with a fixed text
        const char* text;
        const char* unit;
    };
    const Row rows[] = {
        {"Tipo", "tipo_aco", "TIPO", nullptr, ""},   {"fy", "fy_aco", "FY", nullptr, "kN/cm²"},
        {"fu", "fu_aco", "FU", nullptr, "kN/cm²"},   {"E", "E_aco", nullptr, "20500", "kN/cm²"},
        {"G", "G_aco", nullptr, "7892,5", "kN/cm²"},
    };
    int r = 0;
    for (const Row& row : rows) {
        auto* box = new QLineEdit(group);
        box->setObjectName(QString::fromLatin1(row.box));
        box->setFixedWidth(110);
        auto* label = new QLabel(QString::fromUtf8(row.label), group);
        label->setBuddy(box);
        grid->addWidget(label, r, 0, Qt::AlignRight);
        grid->addWidget(box, r, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(row.unit), group), r, 2);
        if (row.field != nullptr) {
            binding_->bind(box, row.field);
            connect(box, &QLineEdit::textChanged, this, &TEscolhe_Aco::steel_changed);
        } else {
            box->setText(QString::fromLatin1(row.text));
        }
        ++r;
    }
    grid->addWidget(navigator, r, 0, 1, 3, Qt::AlignHCenter);
    auto* mode = new QLabel(group);
    mode->setObjectName(QStringLiteral("Label_Edicao"));
    mode->setAlignment(Qt::AlignCenter);
    binding_->set_mode_label(mode);
    grid->addWidget(mode, r + 1, 0, 1, 3);
    column->addWidget(group);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("SpeedButton1"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TEscolhe_Aco::SpeedButton1Click);
    column->addWidget(ok, 0, Qt::AlignHCenter);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The steel table keeps its natural order.
    auto opened = catalogue::Table::open("tipo_aco.dbf", where);
    if (opened) {
        table_ = std::move(opened.value());
        // A grade whose fy or fu is no number cannot be checked with; named
        // at start-up rather than when a check first reads it.
        const auto rows = table_->rows_without_number({"FY", "FU"}, "TIPO");
        if (!rows.empty()) {
            QStringList lines;
            for (const std::string& row : rows) {
                lines << QString::fromStdString(row);
            }
            row_problems_ =
                QStringLiteral(
                    "Na tabela de aços \"%1\", fy ou fu não é um número:\n%2\n"
                    "Esses aços não podem ser usados nas verificações até serem "
                    "corrigidos.")
                    .arg(QString::fromStdString(table_->path()), lines.join(QLatin1Char('\n')));
        }
    } else {
        open_failure_ = QString::fromStdString(opened.error());
        binding_->set_missing_message(
            QStringLiteral("A tabela de aços \"tipo_aco.dbf\" não está disponível.\n\n%1")
                .arg(open_failure_));
    }
    binding_->show_table(table_.get());
}

// The binding lets go of the tables before they close.
TEscolhe_Aco::~TEscolhe_Aco() {
    delete binding_;
}

void TEscolhe_Aco::accept_steel() {
    const auto text = [this](const char* name) {
        return findChild<QLineEdit*>(QString::fromLatin1(name))->text().toStdString();
    };
    // The message names the box as its label does ("fy: 'abc' não é ...").
    const auto number = [&](const char* name, const char* label) {
        double value = 0.0;
        if (!try_parse_decimal(text(name), value)) {
            throw HandlerError(checks::not_a_number_message(label, text(name)));
        }
        return std::fabs(value);
    };
    try {
        Steel steel;
        steel.name = text("tipo_aco");
        steel.fy = number("fy_aco", "fy");
        steel.fu = number("fu_aco", "fu");
        held_ = steel;
        close();
    } catch (const HandlerError& fault) {
        dialogs().message(this, QString::fromUtf8(fault.what()));
    }
}

void TEscolhe_Aco::save_session(QSettings& settings) const {
    if (table_ != nullptr && !table_->empty() && table_->state() == catalogue::EditState::Browse) {
        settings.setValue(QStringLiteral("tipo"), QString::fromStdString(table_->text("TIPO")));
    }
}

void TEscolhe_Aco::restore_session(const QSettings& settings) {
    const QString grade = settings.value(QStringLiteral("tipo")).toString();
    if (table_ == nullptr || grade.isEmpty()) {
        return;
    }
    const int position = binding_->column("TIPO").indexOf(grade);
    if (position >= 0) {
        binding_->go_to(position);
    }
}

void TEscolhe_Aco::SpeedButton1Click() {
    accept_steel();
}

}  // namespace quintaro::shell
