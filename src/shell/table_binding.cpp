#include "shell/table_binding.h"

#include <QLineEdit>

#include "catalogue/table.h"
#include "shell/dialogs.h"

namespace quintaro::shell {

using catalogue::EditState;

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
}

void TableBinding::box_edited(QLineEdit* box, const QString& text) {
    if (table_ == nullptr) {
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

bool TableBinding::put_typed_values() {
    for (auto& [box, field] : boxes_) {
        if (typed_.contains(box) && !report(table_->set_text(field, box->text().toStdString()))) {
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
}

void TableBinding::report_missing() {
    dialogs().message(window_, missing_message_);
}

void TableBinding::update_navigator() {
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
