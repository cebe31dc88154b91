#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "catalogue/table.h"
#include "shell/dialogs.h"

class QWidget;

namespace quintaro::testing {

// Records every message and question instead of showing it; questions get
// the answer in `confirm_answer`.
class CapturedDialogs : public shell::Dialogs {
  public:
    CapturedDialogs() { shell::set_dialogs(this); }
    ~CapturedDialogs() override { shell::set_dialogs(nullptr); }

    void message(QWidget*, const QString& text) override { messages << text; }
    void error(QWidget*, const QString& caption, const QString& text) override {
        errors << caption + QLatin1Char('|') + text;
    }
    bool confirm(QWidget*, const QString& text) override {
        questions << text;
        return confirm_answer;
    }
    void inform(QWidget*, const QString& caption, const QString& text) override {
        reports << caption + QLatin1Char('|') + text;
    }

    QStringList messages;
    QStringList errors;  // "caption|text"
    QStringList questions;
    QStringList reports;  // "caption|text"
    bool confirm_answer = true;
};

// A dBASE column: name, 'C' (text) or 'N' (number), width, decimals.
struct Column {
    const char* name;
    char type;
    int width;
    int decimals;
};

// The columns of the rolled I and H tables.
const std::vector<Column>& rolled_i_columns();

// Writes a dBASE file; each row holds one text per column, numbers with a
// point ("9.5"), "" for an empty field.
void write_dbf(const QString& path, const std::vector<Column>& columns,
               const std::vector<std::vector<std::string>>& rows);

// A working folder holding small tables with every name the windows open.
class CatalogueFolder {
  public:
    CatalogueFolder();
    QString path() const { return dir_.path(); }
    catalogue::TableLocation location() const;
    void write_all();
    void remove(const QString& file) const;

  private:
    QTemporaryDir dir_;
};

// Reads a text back from a table file, opening it afresh.
std::string field_in_file(const QString& folder, const char* file, int row, const char* field);
int rows_in_file(const QString& folder, const char* file);

// A child widget by objectName; fails the test when it is missing.
template <typename T>
T* child(QWidget* window, const char* name);

}  // namespace quintaro::testing

#include "gui_testing_impl.h"
