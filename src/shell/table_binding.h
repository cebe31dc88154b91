#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "common/result.h"
#include "shell/db_navigator.h"

class QLineEdit;
class QWidget;

namespace quintaro::catalogue {
class Table;
}

namespace quintaro::shell {

// Ties edit boxes and a navigator to the current row of a table, the way a
// data-aware form does: the boxes show the row; typing into one starts an
// edit; the navigator moves, inserts, deletes, posts, cancels and re-reads;
// moving to another row posts first. A failed post tells the user why and
// keeps what was typed. A typed value is in its box at once, posted or not.
class TableBinding : public QObject {
    Q_OBJECT
  public:
    TableBinding(QWidget* window, DBNavigator* navigator);
    ~TableBinding() override;

    void bind(QLineEdit* box, const std::string& field);

    // The table shown; nullptr while its catalogue is missing, in which case
    // the boxes are empty and every navigator button shows `missing_message`.
    void show_table(catalogue::Table* table);
    catalogue::Table* table() const { return table_; }
    void set_missing_message(const QString& text) { missing_message_ = text; }
    // Tells the user which catalogue is missing.
    void report_missing();

    // Posts what was typed; false, after telling the user why, when it failed.
    bool post_pending();
    void press(DBNavigator::Button which);

  private:
    void show_row();
    void box_edited(QLineEdit* box, const QString& text);
    bool put_typed_values();
    bool report(const quintaro::Status& status);
    void move(DBNavigator::Button which);
    void remove_row();
    void update_navigator();

    QWidget* window_;
    DBNavigator* navigator_;
    catalogue::Table* table_ = nullptr;
    QString missing_message_;
    std::vector<std::pair<QLineEdit*, std::string>> boxes_;
    QSet<QLineEdit*> typed_;  // boxes whose text the user typed and no post has taken yet
};

}  // namespace quintaro::shell
