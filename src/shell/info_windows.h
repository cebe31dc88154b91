#pragma once

#include <QDialog>

namespace quintaro::shell {

// The notations: every symbol of the windows and reports with its meaning.
class TNota : public QDialog {
    Q_OBJECT
  public:
    explicit TNota(QWidget* parent = nullptr);

  public slots:
    void SpeedButton1Click();
};

// The program's name, version, purpose and credits.
class TSobreQuintaro : public QDialog {
    Q_OBJECT
  public:
    explicit TSobreQuintaro(QWidget* parent = nullptr);
};

// The wait notice of the lightest-section search; it exists for the whole run
// and nothing shows it.
class TLocaliza : public QDialog {
    Q_OBJECT
  public:
    explicit TLocaliza(QWidget* parent = nullptr);
};

// The notation list as the notations window holds it.
QString notation_text();

}  // namespace quintaro::shell
