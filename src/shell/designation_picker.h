#pragma once

#include <QObject>
#include <string>

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace quintaro::shell {

class TableBinding;

// The designation box as a picker. While browsing, what is typed is looked
// for among the designations of the table shown ("W 310", "310 x 3" match
// anywhere, without regard to case); the list shows them as one types, and
// the one chosen becomes the current row. Enter on a text that names one
// section goes there; on a text that names none says so. Leaving the box
// without choosing shows the row's designation again. While the row is being
// edited the box is the field's box, as any other.
class DesignationPicker : public QObject {
    Q_OBJECT
  public:
    DesignationPicker(QLineEdit* box, TableBinding& binding, std::string field);

    QCompleter* completer() const { return completer_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();
    void choose(const QString& designation);
    void entered();
    void left();

    QLineEdit* box_;
    TableBinding& binding_;
    std::string field_;
    QStringListModel* model_;
    QCompleter* completer_;
    bool stale_ = true;
};

}  // namespace quintaro::shell
