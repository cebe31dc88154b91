#include "shell/designation_picker.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QStringListModel>

#include "shell/dialogs.h"
#include "shell/table_binding.h"

namespace quintaro::shell {

DesignationPicker::DesignationPicker(QLineEdit* box, TableBinding& binding, std::string field)
    : QObject(box),
      box_(box),
      binding_(binding),
      field_(std::move(field)),
      model_(new QStringListModel(this)),
      completer_(new QCompleter(model_, this)) {
    completer_->setObjectName(QStringLiteral("Seletor_Perfil"));
    completer_->setFilterMode(Qt::MatchContains);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setMaxVisibleItems(14);
    box_->setCompleter(completer_);
    box_->setPlaceholderText(QStringLiteral("perfil a procurar"));
    box_->setToolTip(
        QStringLiteral("Digite parte da designação (\"W 310\", \"310 x 3\") e "
                       "escolha o perfil na lista"));
    box_->installEventFilter(this);
    binding_.set_picker(box_);
    connect(&binding_, &TableBinding::shown, this, [this] {
        stale_ = true;
        if (box_->hasFocus()) {
            refresh();
        }
    });
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
            &DesignationPicker::choose);
    connect(box_, &QLineEdit::returnPressed, this, &DesignationPicker::entered);
    connect(box_, &QLineEdit::editingFinished, this, &DesignationPicker::left);
}

// The list is read afresh before the first keystroke after the table changed,
// so that it never offers a row that is gone.
bool DesignationPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && stale_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::KeyPress)) {
        refresh();
    }
    // Leaving the box is watched here too: after Enter the box does not tell
    // editingFinished again for a text it has not changed since.
    if (watched == box_ && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        left();
    }
    return QObject::eventFilter(watched, event);
}

void DesignationPicker::refresh() {
    // While editing, the box edits the designation: nothing is offered.
    model_->setStringList(binding_.editing() ? QStringList() : binding_.column(field_));
    stale_ = binding_.editing();
}

void DesignationPicker::choose(const QString& designation) {
    if (binding_.editing()) {
        return;
    }
    const int position = binding_.column(field_).indexOf(designation);
    if (position < 0 || !binding_.go_to(position)) {
        binding_.show_current();
    }
}

void DesignationPicker::entered() {
    if (binding_.editing() || completer_->popup()->isVisible()) {
        return;
    }
    const QString typed = box_->text().simplified();
    const QStringList all = binding_.column(field_);
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].simplified().compare(typed, Qt::CaseInsensitive) == 0) {
            binding_.go_to(i);
            return;
        }
    }
    const QStringList matches = all.filter(typed, Qt::CaseInsensitive);
    if (matches.size() == 1) {
        choose(matches.front());
    } else if (matches.isEmpty()) {
        binding_.show_current();
        dialogs().message(box_->window(),
                          QStringLiteral("Nenhum perfil do catálogo contém \"%1\".").arg(typed));
    } else {
        completer_->setCompletionPrefix(typed);
        completer_->complete();
    }
}

// The list opening takes the focus for a moment; only the focus gone to
// another widget is the user leaving the box.
void DesignationPicker::left() {
    if (binding_.editing() || QApplication::focusWidget() == box_) {
        return;
    }
    completer_->popup()->hide();
    binding_.show_current();
}

}  // namespace quintaro::shell
