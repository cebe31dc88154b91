#pragma once

#include <QDialog>
#include <QImage>
#include <QStringList>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "checks/standard.h"
#include "shell/member_descriptor.h"
#include "shell/window_context.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSettings;

namespace quintaro::catalogue {
class Table;
}
namespace quintaro::checks {
class Boxes;
class Messages;
struct WindowDescriptor;
struct WorkingState;
}  // namespace quintaro::checks

namespace quintaro::shell {

// "Relatório" under a standard whose report is not written yet.
inline constexpr const char* kNoReportUnderStandard =
    "O relatório de cálculo pela NBR 8800:2008 ainda não está disponível nesta versão.\n"
    "Os resultados mostrados na janela são os da NBR 8800:2008; para um relatório,\n"
    "escolha NBR 8800:1986 no menu Norma e calcule de novo.";

class DesignationPicker;
class TableBinding;
class WidgetBoxes;
class WindowMessages;

// A member window: the catalogue panel, the section picture, the steel in
// force, the input and result boxes and the four buttons, all laid out from
// its descriptor.
//
// The results on screen always belong to what the window shows: any change of
// what the check reads (an input or panel box, a check box or drop-down of the
// input area, the row, the series, the steel) clears them at once, and the
// working state then holds no finished check.
class MemberWindow : public QDialog {
    Q_OBJECT
  public:
    using Action = std::function<void(MemberWindow&)>;

    MemberWindow(const MemberDescriptor& descriptor, const WindowContext& context,
                 QWidget* parent = nullptr);
    ~MemberWindow() override;

    const MemberDescriptor& descriptor() const { return descriptor_; }
    // The check the window runs: its rules under the standard in force.
    const checks::WindowDescriptor& checked() const { return *checked_; }
    checks::Standard standard() const;
    // Checks from now on to `standard`: its input boxes are shown and the
    // others hidden, the results cleared (they belong to the other standard)
    // and the working state made anew for its check.
    void set_standard(checks::Standard standard);
    checks::Boxes& boxes();
    checks::Messages& messages();
    TableBinding& binding() { return *binding_; }
    // What the last "Calcular" computed, for the report and the search.
    checks::WorkingState& state() { return *state_; }
    // Whether the state holds a check that ran to its end on what the window
    // shows now.
    bool& check_complete() { return check_complete_; }
    // The section drawing of Image1, as the report pastes it.
    QImage section_picture() const;

    // The table in the panel (nullptr while its catalogue is missing) and the
    // window's tables in the order of the descriptor.
    catalogue::Table* shown_table() const;
    catalogue::Table* table(int index) const;
    // Why each missing table could not be opened, one text per table.
    const QStringList& open_failures() const { return open_failures_; }

    // "Calcular" as the user presses it; false when the check was stopped (its
    // message has been shown) or the catalogue is missing. The overload shows
    // the check's messages through `messages` instead of the window's.
    bool calculate();
    bool calculate(checks::Messages& messages);

    // Every result box to "0,00", every verdict emptied; the state then holds
    // no finished check.
    void clear_results();
    // Clears the results unless they belong to what the window shows now.
    void drop_stale_results();

    // What the program remembers of the window between runs: the inputs, the
    // series and the row of each table (by designation).
    void save_session(QSettings& settings) const;
    void restore_session(const QSettings& settings);

    // "Relatório" and "Mais Leve" run these once they are set.
    void set_report_action(Action action) { report_action_ = std::move(action); }
    void set_search_action(Action action) { search_action_ = std::move(action); }

  public slots:
    void BitBtn1Click();
    void BitBtn4Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void SpeedButton1Click();
    void FormActivate();
    void SerieChange();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void open_tables(const catalogue::TableLocation& where);
    void build(const WindowContext& context);
    QWidget* build_panel();
    QWidget* build_picture();
    QWidget* build_steel(QWidget* steel_window);
    QWidget* build_inputs();
    QWidget* add_input(QGroupBox* group, const InputBox& input, int row);
    void show_standard();
    QWidget* build_results();
    QWidget* build_buttons();
    void watch_inputs(const std::vector<QWidget*>& areas);
    void chain_tabs();
    void show_steel();
    void show_ratios(bool completed);
    bool catalogue_present();
    bool work(checks::Messages& messages, const std::function<void()>& job);
    void write_report();
    void find_lightest();
    void restore_default_order();
    void show_series(const QString& series);
    bool results_current() const;
    QStringList what_the_check_reads() const;
    void inputs_changed();

    QString series_of(int table) const;
    std::string field_of(const char* box) const;

    const MemberDescriptor& descriptor_;
    const checks::WindowDescriptor* checked_;
    std::unique_ptr<checks::WorkingState> state_;
    std::vector<std::unique_ptr<catalogue::Table>> tables_;
    std::vector<QString> table_failures_;  // per table, "" when open
    QStringList open_failures_;
    int shown_ = 0;
    QComboBox* series_box_ = nullptr;
    QLineEdit* designation_ = nullptr;
    QLabel* steel_label_ = nullptr;
    QLabel* standard_label_ = nullptr;
    // Every input box the window has, under any standard: its name and the
    // widgets of its row (label, box, unit), shown when the check of the
    // standard in force reads it.
    struct InputRow {
        std::string box;
        std::vector<QWidget*> widgets;
        QGroupBox* group = nullptr;
    };
    std::vector<InputRow> input_rows_;
    std::vector<QCheckBox*> check_boxes_;
    std::vector<QComboBox*> choice_boxes_;  // inputs that are a choice of texts
    std::vector<QLineEdit*> inputs_;        // in the order of the descriptor
    std::vector<QWidget*> buttons_;         // Calcular, Relatório, Mais Leve, Ok
    std::vector<QWidget*> watched_;         // what the check reads, on this window
    // Beside each verdict: the row's utilisation and the governing mark.
    struct RatioRow {
        std::string_view box;
        QLabel* ratio;
        QLabel* mark;
    };
    std::vector<RatioRow> ratios_;
    // True while a button's work runs: the activation that follows a message
    // box closing is not the user coming back to the window, and the boxes
    // the work changes on the way do not clear its own results.
    bool working_ = false;
    bool check_complete_ = false;
    bool results_shown_ = false;
    QStringList checked_reads_;  // what the last finished check read
    TableBinding* binding_ = nullptr;
    DesignationPicker* picker_ = nullptr;
    std::unique_ptr<WidgetBoxes> boxes_;
    std::unique_ptr<WindowMessages> messages_;
    Action report_action_;
    Action search_action_;
};

}  // namespace quintaro::shell
