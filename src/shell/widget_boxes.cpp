#include "shell/widget_boxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace quintaro::shell {
namespace {

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool is_steel_box(std::string_view name) {
    return name == "tipo_aco" || name == "fy_aco" || name == "fu_aco";
}

}  // namespace

WidgetBoxes::WidgetBoxes(QWidget* window, QWidget* steel_window)
    : window_(window), steel_window_(steel_window) {}

QWidget* WidgetBoxes::find(std::string_view name) const {
    const auto kept = found_.find(name);
    if (kept != found_.end() && !kept->second.isNull()) {
        return kept->second.data();
    }
    QWidget* widget = search(name);
    if (widget != nullptr) {
        found_[std::string(name)] = widget;
    }
    return widget;
}

QWidget* WidgetBoxes::search(std::string_view name) const {
    QWidget* root = is_steel_box(name) ? steel_window_.data() : window_.data();
    if (root == nullptr) {
        return nullptr;
    }
    const QString object_name = qt_text(name);
    if (auto* edit = root->findChild<QLineEdit*>(object_name)) {
        return edit;
    }
    if (auto* combo = root->findChild<QComboBox*>(object_name)) {
        return combo;
    }
    return root->findChild<QCheckBox*>(object_name);
}

bool WidgetBoxes::has(std::string_view name) const {
    return find(name) != nullptr;
}

std::string WidgetBoxes::text(std::string_view name) const {
    QWidget* widget = find(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text().toStdString();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText().toStdString();
    }
    if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        return check->isChecked() ? "1" : "0";
    }
    return {};
}

void WidgetBoxes::set_text(std::string_view name, std::string_view text) {
    QWidget* widget = find(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(qt_text(text));
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setChecked(text == "1");
    } else if (auto* combo = qobject_cast<QComboBox*>(widget);
               combo != nullptr && !combo->isEditable()) {
        // A choice takes only one of its own texts (the series box is left
        // to the window).
        if (const int index = combo->findText(qt_text(text)); index >= 0) {
            combo->setCurrentIndex(index);
        }
    }
}

void WidgetBoxes::set_verdict(std::string_view field, bool passed) {
    auto* edit = qobject_cast<QLineEdit*>(find(field));
    if (edit == nullptr) {
        return;
    }
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, passed ? QColor(0, 128, 0) : QColor(255, 0, 0));
    edit->setPalette(palette);
    edit->setText(qt_text(passed ? checks::kOk : checks::kNotOk));
}

void WidgetBoxes::clear_verdict(std::string_view field) {
    if (auto* edit = qobject_cast<QLineEdit*>(find(field))) {
        edit->clear();
    }
}

}  // namespace quintaro::shell

namespace quintaro::shell {

std::string WidgetBoxes::label(std::string_view name) const {
    QWidget* box = find(name);
    if (auto* check = qobject_cast<QCheckBox*>(box)) {
        return check->text().simplified().remove(QLatin1Char('&')).toStdString();
    }
    if (box != nullptr) {
        for (const QLabel* label : box->window()->findChildren<QLabel*>()) {
            if (label->buddy() == box) {
                QString text = label->text().simplified();
                text.remove(QLatin1Char('&'));
                if (is_steel_box(name)) {
                    text += QStringLiteral(" do aço");
                }
                return text.toStdString();
            }
        }
    }
    return std::string(name);
}

}  // namespace quintaro::shell
