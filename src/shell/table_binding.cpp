#include "shell/table_binding.h"

#include <QLabel>
#include <QLineEdit>

#include "catalogue/table.h"
#include "checks/frame.h"
#include "common/decimal.h"
#include "shell/dialogs.h"

namespace quintaro::shell {

using catalogue::EditState;

namespace {

// Boxes open for editing are tinted, so the mode shows at a glance.
const QColor kEditingBase(255, 248, 200);

}  // namespace

TableBinding::TableBinding(QWidget* window, DBNavigator* navigator)
    : QObject(window), window_(window), navigator_(navigator) {
    connect(navigator_, &DBNavigator::pressed, this, &TableBinding::press);
}

TableBinding::~TableBinding() {
    if (table_ != nullptr) {
        table_->set_on_change(nullptr);
    }
}

void TableBinding::bind(QLineEdit* box, const std::string& field) {
    boxes_.emplace_back(box, field);
    browse_palettes_.push_back(box->palette());
    connect(box, &QLineEdit::textEdited, this,
            [this, box](const QString& text) { box_edited(box, text); });
}

void TableBinding::show_table(catalogue::Table* table) {
    if (table_ != nullptr) {
        table_->set_on_change(nullptr);
    }
    table_ = table;
    typed_.clear();
    if (table_ != nullptr) {
        table_->set_on_change([this] { show_row(); });
    }
    show_row();
}

void TableBinding::show_row() {
    for (auto& [box, field] : boxes_) {
        if (typed_.contains(box)) {
            continue;
        }
        box->setText(table_ != nullptr ? QString::fromStdString(table_->text(field)) : QString());
    }
    update_navigator();
    emit shown();
}

bool TableBinding::editing() const {
    return table_ != nullptr && table_->state() != EditState::Browse;
}

void TableBinding::quietly(const std::function<void()>& walk) {
    table_->set_on_change(nullptr);
    walk();
    table_->set_on_change([this] { show_row(); });
}

QStringList TableBinding::column(const std::string& field) {
    QStringList texts;
    if (table_ == nullptr || editing() || table_->empty()) {
        return texts;
    }
    quietly([&] {
        const int here = table_->row_number();
        const bool at_end = table_->eof();
        const int rows = table_->row_count();
        table_->first();
        for (int i = 0; i < rows; ++i) {
            texts << QString::fromStdString(table_->text(field));
            if (i + 1 < rows) {
                table_->next();
            }
        }
        table_->first();
        for (int i = 0; i < here; ++i) {
            table_->next();
        }
        if (at_end) {
            table_->next();
        }
    });
    return texts;
}

bool TableBinding::go_to(int position) {
    if (table_ == nullptr || position < 0 || position >= table_->row_count() || !post_pending()) {
        return false;
    }
    bool moved = true;
    quietly([&] {
        moved = report(table_->first());
        for (int i = 0; moved && i < position; ++i) {
            moved = report(table_->next());
        }
    });
    show_row();
    return moved;
}

void TableBinding::box_edited(QLineEdit* box, const QString& text) {
    // While browsing, the picker's text is a designation looked for.
    if (table_ == nullptr || (box == picker_ && !editing())) {
        return;
    }
    typed_.insert(box);
    const std::string field = [&] {
        for (auto& [b, f] : boxes_) {
            if (b == box) {
                return f;
            }
        }
        return std::string();
    }();
    // A text the field refuses stays in the box; the post that follows names it.
    (void)table_->set_text(field, text.toStdString());
    update_navigator();
}

bool TableBinding::report(const quintaro::Status& status) {
    if (!status) {
        dialogs().message(window_, QString::fromStdString(status.error()));
    }
    return status.ok();
}

// A number box holding no number is named by its label, in the words of a
// check's conversion error; the table refuses anything else it cannot keep.
quintaro::Status TableBinding::typed_value(QLineEdit* box, const std::string& field) {
    const std::string text = box->text().toStdString();
    const int index = table_->field_index(field);
    double number = 0.0;
    if (index >= 0 && table_->fields()[index].kind == catalogue::FieldKind::Number &&
        box->text().trimmed().size() > 0 && !try_parse_decimal(text, number)) {
        QString label = QString::fromStdString(field);
        for (const QLabel* beside : window_->findChildren<QLabel*>()) {
            if (beside->buddy() == box) {
                label = beside->text().simplified();
            }
        }
        return Status::failure(checks::not_a_number_message(label.toStdString(), text));
    }
    return table_->set_text(field, text);
}

bool TableBinding::put_typed_values() {
    for (auto& [box, field] : boxes_) {
        if (typed_.contains(box) && !report(typed_value(box, field))) {
            box->setFocus();
            return false;
        }
    }
    return true;
}

bool TableBinding::post_pending() {
    if (table_ == nullptr || table_->state() == EditState::Browse) {
        return true;
    }
    if (!put_typed_values() || !report(table_->post())) {
        update_navigator();
        return false;
    }
    typed_.clear();
    show_row();
    return true;
}

void TableBinding::move(DBNavigator::Button which) {
    if (!post_pending()) {
        return;
    }
    switch (which) {
        case DBNavigator::First:
            report(table_->first());
            break;
        case DBNavigator::Prior:
            report(table_->prior());
            break;
        case DBNavigator::Next:
            report(table_->next());
            break;
        default:
            report(table_->last());
            break;
    }
    show_row();
}

void TableBinding::remove_row() {
    if (table_->empty() && table_->state() == EditState::Browse) {
        return;
    }
    if (!dialogs().confirm(window_, QStringLiteral("Delete record?"))) {
        return;
    }
    typed_.clear();
    if (table_->state() == EditState::Insert) {
        // The new row was never written: deleting it is dropping it.
        table_->cancel();
    } else {
        if (table_->state() == EditState::Edit) {
            table_->cancel();
        }
        report(table_->remove());
    }
    show_row();
}

void TableBinding::press(DBNavigator::Button which) {
    if (table_ == nullptr) {
        report_missing();
        return;
    }
    const bool was_editing = editing();
    switch (which) {
        case DBNavigator::First:
        case DBNavigator::Prior:
        case DBNavigator::Next:
        case DBNavigator::Last:
            move(which);
            break;
        case DBNavigator::Insert:
            if (post_pending()) {
                report(table_->insert());
            }
            break;
        case DBNavigator::Delete:
            remove_row();
            break;
        case DBNavigator::Edit:
            if (table_->state() == EditState::Browse) {
                report(table_->edit());
            }
            break;
        case DBNavigator::Post:
            post_pending();
            break;
        case DBNavigator::Cancel:
            typed_.clear();
            table_->cancel();
            break;
        case DBNavigator::Refresh:
            if (post_pending()) {
                report(table_->refresh());
            }
            break;
    }
    show_row();
    // The row just opened is typed into from its first box.
    if (editing() && !was_editing && !boxes_.empty()) {
        boxes_.front().first->setFocus(Qt::OtherFocusReason);
    }
}

void TableBinding::report_missing() {
    dialogs().message(window_, missing_message_);
}

void TableBinding::update_boxes() {
    const bool open = editing();
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        QLineEdit* box = boxes_[i].first;
        const bool takes_typing = open || box == picker_;
        box->setReadOnly(!takes_typing);
        // A read-only box can still be clicked and copied from, but Tab
        // passes it by.
        box->setFocusPolicy(takes_typing ? Qt::StrongFocus : Qt::ClickFocus);
        QPalette look = browse_palettes_[i];
        if (open) {
            look.setColor(QPalette::Base, kEditingBase);
        }
        box->setPalette(look);
    }
    if (mode_label_ != nullptr) {
        const bool inserting = open && table_->state() == EditState::Insert;
        mode_label_->setText(!open       ? QString()
                             : inserting ? QStringLiteral("Novo registro: ✓ guarda, ✕ cancela")
                                         : QStringLiteral("Em edição: ✓ guarda, ✕ cancela"));
    }
}

void TableBinding::update_navigator() {
    update_boxes();
    if (table_ == nullptr) {
        for (int i = 0; i < DBNavigator::kButtonCount; ++i) {
            navigator_->button(static_cast<DBNavigator::Button>(i))->setEnabled(true);
        }
        return;
    }
    const bool editing = table_->state() != EditState::Browse;
    const bool rows = !table_->empty();
    const int row = table_->row_number();
    const bool can_go_back = rows && row > 0;
    const bool can_go_on = rows && row < table_->row_count() - 1;
    navigator_->button(DBNavigator::First)->setEnabled(can_go_back);
    navigator_->button(DBNavigator::Prior)->setEnabled(can_go_back);
    navigator_->button(DBNavigator::Next)->setEnabled(can_go_on);
    navigator_->button(DBNavigator::Last)->setEnabled(can_go_on);
    navigator_->button(DBNavigator::Insert)->setEnabled(true);
    navigator_->button(DBNavigator::Delete)->setEnabled(rows || editing);
    navigator_->button(DBNavigator::Edit)->setEnabled(rows && !editing);
    navigator_->button(DBNavigator::Post)->setEnabled(editing);
    navigator_->button(DBNavigator::Cancel)->setEnabled(editing);
    navigator_->button(DBNavigator::Refresh)->setEnabled(true);
}

}  // namespace quintaro::shell
