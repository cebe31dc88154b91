// "Mais Leve" in the welded window over the whole CS catalogue (139 rows, the
// largest), through the window itself: each row is shown in the panel and
// checked by the window's Calcular, its boxes and verdicts rewritten
// (offscreen platform), its messages held for the one summary shown at the
// end. Actions no section carries, so every row is checked. The aim: under
// 16 ms per 100 rows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "shell/dialogs.h"
#include "shell/escolhe_aco.h"
#include "shell/member_windows.h"
#include "shell/window_driver.h"

namespace {

// Messages and the summary are counted, not shown: a modal box would wait
// for a click.
class CountedDialogs : public quintaro::shell::Dialogs {
  public:
    void message(QWidget*, const QString&) override { ++count; }
    void error(QWidget*, const QString&, const QString&) override { ++count; }
    bool confirm(QWidget*, const QString&) override { return true; }
    void inform(QWidget*, const QString&, const QString&) override { ++summaries; }
    int count = 0;
    int summaries = 0;
};

void set(QWidget* w, const char* box, const char* text) {
    w->findChild<QLineEdit*>(QString::fromLatin1(box))->setText(QString::fromLatin1(text));
}

void WindowWalksWholeWeldedCs(benchmark::State& st) {
    CountedDialogs dialogs;
    quintaro::shell::set_dialogs(&dialogs);
    const quintaro::catalogue::TableLocation where{QUINTARO_BUNDLED_DATA, ""};
    quintaro::shell::TEscolhe_Aco steel(where);
    quintaro::shell::TI_Soldado window(quintaro::shell::WindowContext{where, &steel});
    quintaro::shell::connect_search(window);
    window.show();
    QApplication::processEvents();
    set(&window, "Compri_x", "600");
    set(&window, "Compri_y", "300");
    set(&window, "Compri_z", "300");
    set(&window, "R_Nd", "-100000");
    set(&window, "R_Vd", "50");
    set(&window, "R_Mdx", "5000");
    set(&window, "R_Mdy", "500");
    const int rows = window.shown_table()->row_count();
    for (auto _ : st) {
        window.BitBtn3Click();
        // Let the window repaint what the walk wrote.
        QApplication::processEvents();
    }
    quintaro::shell::set_dialogs(nullptr);
    st.counters["rows"] = rows;
    // Per walk: the messages shown (the found section's own) and summaries.
    st.counters["messages"] = benchmark::Counter(dialogs.count, benchmark::Counter::kAvgIterations);
    st.counters["summaries"] =
        benchmark::Counter(dialogs.summaries, benchmark::Counter::kAvgIterations);
    // Seconds per 100 rows walked.
    st.counters["s_per_100_rows"] =
        benchmark::Counter(static_cast<double>(st.iterations()) * rows / 100.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    st.SetItemsProcessed(static_cast<int64_t>(st.iterations()) * rows);
}
BENCHMARK(WindowWalksWholeWeldedCs)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
