#include "shell/help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/db_navigator.h"

namespace quintaro::shell {
namespace {

QToolButton* make_button(QWidget* parent, const char* name, const char* hint,
                         DBNavigator::Button glyph) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(hint));
    button->setIcon(navigator_glyph(glyph, parent->palette().color(QPalette::ButtonText)));
    button->setAutoRaise(true);
    button->setEnabled(false);
    return button;
}

}  // namespace

TAjuda::TAjuda(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Ajuda"));
    setWindowTitle(QStringLiteral("Ajuda do Quintaro"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    auto* column = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    back_ = make_button(this, "Voltar", "Voltar (Alt+←)", DBNavigator::Prior);
    forward_ = make_button(this, "Avancar", "Avançar (Alt+→)", DBNavigator::Next);
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addStretch();
    column->addLayout(bar);
    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("Pagina"));
    page_->setOpenExternalLinks(true);
    column->addWidget(page_);
    connect(back_, &QToolButton::clicked, page_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, page_, &QTextBrowser::forward);
    connect(page_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(page_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    resize(760, 620);
}

bool TAjuda::open(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        return false;
    }
    page_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace quintaro::shell
