#include "shell/application.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QIcon>

#include "drawings/artwork.h"
#include "shell/data_folders.h"
#include "shell/dialogs.h"
#include "shell/escolhe_aco.h"
#include "shell/info_windows.h"
#include "shell/main_window.h"
#include "shell/member_windows.h"
#include "shell/report_sink.h"
#include "shell/reporte/reporte.h"
#include "shell/session.h"
#include "shell/translations.h"
#include "shell/window_driver.h"

namespace quintaro::shell {

QString class_name(const QObject* object) {
    const QString full = QString::fromLatin1(object->metaObject()->className());
    return full.mid(full.lastIndexOf(QLatin1Char(':')) + 1);
}

namespace {

// The program ends with its main window: a report with edits not saved is
// offered for saving first, and "Cancelar" keeps the program running.
class KeepEditedReport : public QObject {
  public:
    KeepEditedReport(reporte::TReporte& report, QObject* parent)
        : QObject(parent), report_(report) {}

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Close && !report_.mayLeaveDocument()) {
            event->ignore();
            return true;
        }
        return false;
    }

  private:
    reporte::TReporte& report_;
};

}  // namespace

template <typename Window, typename... Args>
Window* Windows::create(Args&&... args) {
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    Window* raw = window.get();
    order_.push_back(raw);
    owned_.push_back(std::move(window));
    return raw;
}

Windows::Windows(const catalogue::TableLocation& where) {
    TForm1* main = create<TForm1>();
    auto* steel = create<TEscolhe_Aco>(where);
    if (!steel->open_failure().isEmpty()) {
        open_failures_ << steel->open_failure();
    }
    const WindowContext context{where, steel};
    // Windows that share a file report it once.
    const auto member = [&](MemberWindow* window) {
        connect_search(*window);
        for (const QString& failure : window->open_failures()) {
            if (!open_failures_.contains(failure, Qt::CaseInsensitive)) {
                open_failures_ << failure;
            }
        }
    };
    member(create<TI_Soldado>(context));
    member(create<TL_Laminado>(context));
    create<TNota>();
    member(create<TForm_I_Laminado>(context));
    member(create<TForm_H_Laminado>(context));
    create<TSobreQuintaro>();
    member(create<TLT_Laminado>(context));
    member(create<TLU_Laminado>(context));
    member(create<TLX_Laminado>(context));
    member(create<TL2_Laminado>(context));
    member(create<TL2T_Ma_Laminado>(context));
    member(create<TL2T_Me_Laminado>(context));
    member(create<TL2U_Ma_Laminado>(context));
    member(create<TL2U_Me_Laminado>(context));
    member(create<TForm_U_Laminado>(context));
    create<TLocaliza>();
    auto* report_window = create<reporte::TReporte>();
    std::vector<MemberWindow*> members;
    for (QWidget* window : order_) {
        if (auto* member_window = qobject_cast<MemberWindow*>(window)) {
            connect_report(*member_window, *report_window);
            members.push_back(member_window);
        }
    }
    main->set_member_windows(std::move(members));
    // Results computed with the steel that was in force are cleared when it
    // changes.
    QObject::connect(steel, &TEscolhe_Aco::steel_changed, main, &TForm1::clear_member_results);
    // The steel window shows E and G of the standard in force.
    QObject::connect(main, &TForm1::standard_changed, steel, &TEscolhe_Aco::set_standard);
    main->installEventFilter(new KeepEditedReport(*report_window, main));

    main->set_window_finder([this](const char* name) {
        return qobject_cast<QDialog*>(find(QString::fromLatin1(name)));
    });
}

Windows::~Windows() {
    // The main window last, as it was created first.
    while (!owned_.empty()) {
        owned_.pop_back();
    }
}

TForm1& Windows::main_window() const {
    return *static_cast<TForm1*>(order_.front());
}

QWidget* Windows::find(const QString& name) const {
    for (QWidget* window : order_) {
        if (class_name(window) == name) {
            return window;
        }
    }
    return nullptr;
}

int run(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Quintaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quintaro"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(drawings::program_icon(64))));
    QApplication::setQuitOnLastWindowClosed(false);
    install_qt_translations(app);

    const QString seeding_failed =
        seed_user_data_folder(installed_data_folder(), user_data_folder());
    Windows windows(table_location());
    QStringList problems = windows.open_failures();
    if (!seeding_failed.isEmpty()) {
        problems.prepend(QStringLiteral("Não foi possível copiar os catálogos instalados para:\n") +
                         seeding_failed);
    }
    const QString session = default_session_file();
    restore_session(windows, session);
    TForm1& main = windows.main_window();
    QObject::connect(&main, &TForm1::closed, &app, &QCoreApplication::quit);
    main.show();
    QString message;
    if (!problems.isEmpty()) {
        message = QStringLiteral(
                      "Catálogos ausentes: as janelas desses perfis abrem "
                      "sem dados.\n\n") +
                  problems.join(QStringLiteral("\n\n"));
    }
    const auto* steel = qobject_cast<TEscolhe_Aco*>(windows.find(QStringLiteral("TEscolhe_Aco")));
    if (steel != nullptr && !steel->row_problems().isEmpty()) {
        message += (message.isEmpty() ? QString() : QStringLiteral("\n\n")) + steel->row_problems();
    }
    if (!message.isEmpty()) {
        dialogs().error(&main, QStringLiteral("Quintaro"), message);
    }
    const int status = app.exec();
    save_session(windows, session);
    return status;
}

}  // namespace quintaro::shell
