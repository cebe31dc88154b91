// The platform's dialogs as the report window uses them: the open dialog's
// filter and read-only box, the save dialog's extension. Each dialog is
// answered by a timer, so nothing modal is left blocking.
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "shell/reporte/reporte_dialogs.h"

using quintaro::reporte::PlatformReporteDialogs;

namespace {

// Runs answer on the file dialog once it is shown (polling, since building a
// file dialog may itself run the event loop); a second timer closes any
// dialog still open, so that a failing test ends.
void answer_file_dialog(const std::function<void(QFileDialog*)>& answer) {
    auto* poll = new QTimer;
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (dialog == nullptr || !dialog->isVisible())
                continue;
            poll->stop();
            poll->deleteLater();
            answer(dialog);
            return;
        }
    });
    poll->start();
    QTimer::singleShot(10000, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
                d->reject();
        }
    });
}

// As the user does it: the folder, then the name typed in the name box.
void type_file_name(QFileDialog* d, const QString& folder, const QString& name) {
    d->setDirectory(folder);
    auto* edit = d->findChild<QLineEdit*>("fileNameEdit");
    if (edit != nullptr)
        edit->setText(name);
}

}  // namespace

class ReporteDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void openDialogOffersTheFormatsAndTheReadOnlyBox();
    void saveDialogGivesTheChosenFormatsExtension();
};

void ReporteDialogsTest::openDialogOffersTheFormatsAndTheReadOnlyBox() {
    QTemporaryDir dir;
    const QString file = dir.filePath("relatorio.htm");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QStringList filters;
    bool had_box = false;
    answer_file_dialog([&](QFileDialog* d) {
        filters = d->nameFilters();
        auto* box = d->findChild<QCheckBox*>();
        had_box = box != nullptr && box->text() == "Abrir como somente leitura";
        if (box != nullptr)
            box->setChecked(true);
        d->selectNameFilter(filters.value(1));
        type_file_name(d, dir.path(), "relatorio.htm");
        static_cast<QDialog*>(d)->accept();
    });
    PlatformReporteDialogs dialogs;
    const auto choice = dialogs.openFile(nullptr, "Rich Text Format|*.rtf|HTML|*.htm;*.html");
    QVERIFY(choice.has_value());
    QCOMPARE(filters, QStringList({"Rich Text Format (*.rtf)", "HTML (*.htm *.html)"}));
    QVERIFY(had_box);
    QCOMPARE(choice->path, file);
    QCOMPARE(choice->filter_index, 2);
    QVERIFY(choice->read_only);
}

void ReporteDialogsTest::saveDialogGivesTheChosenFormatsExtension() {
    QTemporaryDir dir;
    answer_file_dialog([&](QFileDialog* d) {
        d->selectNameFilter(d->nameFilters().value(2));
        emit d->filterSelected(d->nameFilters().value(2));
        type_file_name(d, dir.path(), "relatorio");
        static_cast<QDialog*>(d)->accept();
    });
    PlatformReporteDialogs dialogs;
    const auto choice = dialogs.saveFile(
        nullptr, "Rich Text Format|*.rtf|OpenDocument Text|*.odt|HTML|*.htm;*.html");
    QVERIFY(choice.has_value());
    QCOMPARE(choice->filter_index, 3);
    QCOMPARE(choice->path, dir.filePath("relatorio.htm"));
}

QTEST_MAIN(ReporteDialogsTest)
#include "reporte_dialogs_test.moc"
