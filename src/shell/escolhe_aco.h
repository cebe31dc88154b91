#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "checks/standard.h"
#include "common/steel.h"
#include "shell/window_context.h"

class QSettings;

namespace quintaro::catalogue {
class Table;
}

namespace quintaro::shell {

class TableBinding;

// The steel grade window: the steel table's current row in data-aware boxes,
// with the fixed elastic constants shown beside it. Every check reads the
// steel from these boxes when it starts.
class TEscolhe_Aco : public QDialog {
    Q_OBJECT
  public:
    explicit TEscolhe_Aco(const catalogue::TableLocation& where, QWidget* parent = nullptr);
    ~TEscolhe_Aco() override;

    catalogue::Table* table() const { return table_.get(); }
    TableBinding& binding() { return *binding_; }
    const QString& open_failure() const { return open_failure_; }
    // The rows of the steel table whose fy or fu is no number, as a message
    // ("" when every row has both).
    const QString& row_problems() const { return row_problems_; }
    // The steel taken by the last "Ok".
    const Steel& held_steel() const { return held_; }

    // E and G shown are those the standard in force fixes.
    void set_standard(checks::Standard standard);

    // The grade in force is remembered between runs by its name (TIPO).
    void save_session(QSettings& settings) const;
    void restore_session(const QSettings& settings);

  signals:
    // The steel the next check reads changed: another grade, or a value typed.
    void steel_changed();

  public slots:
    void SpeedButton1Click();

  private:
    void accept_steel();

    std::unique_ptr<catalogue::Table> table_;
    QString open_failure_;
    QString row_problems_;
    TableBinding* binding_ = nullptr;
    Steel held_;
};

}  // namespace quintaro::shell
