#pragma once

#include <QObject>
#include <QPalette>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/result.h"
#include "shell/db_navigator.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace quintaro::catalogue {
class Table;
}

namespace quintaro::shell {

// Ties edit boxes and a navigator to the current row of a table, the way a
// data-aware form does: the boxes show the row; the navigator moves, inserts,
// deletes, edits, posts, cancels and re-reads; moving to another row posts
// first. A failed post tells the user why and keeps what was typed. A typed
// value is in its box at once, posted or not.
//
// The boxes are read-only while browsing, so that a stray keystroke never
// changes the user's file: only the navigator's edit (▲) or insert (+) opens
// them, and they show it (their colour and the mode label) until the row is
// posted or cancelled.
class TableBinding : public QObject {
    Q_OBJECT
  public:
    TableBinding(QWidget* window, DBNavigator* navigator);
    ~TableBinding() override;

    void bind(QLineEdit* box, const std::string& field);
    // A bound box that takes typing while browsing too, without editing the
    // table (the designation box, which is also a picker).
    void set_picker(QLineEdit* box) { picker_ = box; }
    // A label that says when the row is being edited or inserted.
    void set_mode_label(QLabel* label) { mode_label_ = label; }

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
    bool editing() const;

    // A field's text on every row, in the order in force; the current row
    // stays current. Empty while editing.
    QStringList column(const std::string& field);
    // Makes the row at `position` in the order in force current (posting a
    // pending edit first); false when it could not.
    bool go_to(int position);
    // Shows the current row again, dropping text typed while browsing.
    void show_current() { show_row(); }

  signals:
    // The boxes show a row afresh (a move, a post, a new table).
    void shown();

  private:
    // Runs `walk` with the boxes left as they are, however the cursor moves.
    void quietly(const std::function<void()>& walk);
    void show_row();
    void box_edited(QLineEdit* box, const QString& text);
    quintaro::Status typed_value(QLineEdit* box, const std::string& field);
    bool put_typed_values();
    bool report(const quintaro::Status& status);
    void move(DBNavigator::Button which);
    void remove_row();
    void update_navigator();
    void update_boxes();

    QWidget* window_;
    DBNavigator* navigator_;
    QLineEdit* picker_ = nullptr;
    QLabel* mode_label_ = nullptr;
    catalogue::Table* table_ = nullptr;
    QString missing_message_;
    std::vector<std::pair<QLineEdit*, std::string>> boxes_;
    std::vector<QPalette> browse_palettes_;  // per box, as bound
    QSet<QLineEdit*> typed_;  // boxes whose text the user typed and no post has taken yet
};

}  // namespace quintaro::shell
