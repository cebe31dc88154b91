// The ruler's integer pixel arithmetic, checked against hand calculation, and
// the same arithmetic driven through the window's markers.
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>

#include "shell/reporte/reporte.h"
#include "shell/reporte/rich_edit.h"
#include "shell/reporte/ruler_marker.h"

using namespace quintaro;
using quintaro::reporte::TReporte;

class ReporteRulerTest : public QObject {
    Q_OBJECT
  private slots:
    void markerPositionsFromIndents_data();
    void markerPositionsFromIndents();
    void dragArithmetic_data();
    void dragArithmetic();
    void rulerLineAndEditRect();
    void firstIndentDragKeepsTheLeftIndentWhereItWas();
    void leftAndRightIndentDrags();
    void markersFollowTheMouse();
};

// marker left = trunc(points * 4/3) + 2 for the first and left markers;
// right marker = width - trunc((right + 6) * 4/3) - 6.
void ReporteRulerTest::markerPositionsFromIndents_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("firstLeft");
    QTest::addColumn<int>("leftLeft");
    QTest::addColumn<int>("rightLeft");
    // 0 -> 2, 2; 588 - trunc(8) - 6 = 574
    QTest::newRow("no indents") << 0 << 0 << 0 << 588 << 2 << 2 << 574;
    // 18*4/3 = 24 -> 26; 27*4/3 = 36 -> 38; 588 - trunc(18*4/3 = 24) - 6 = 558
    QTest::newRow("whole pixels") << 18 << 9 << 12 << 588 << 26 << 38 << 558;
    // 10*4/3 = 13.33 -> 15; 15*4/3 = 20 -> 22; 400 - trunc(7*4/3 = 9.33) - 6 = 385
    QTest::newRow("truncated") << 10 << 5 << 1 << 400 << 15 << 22 << 385;
    // -1*4/3 = -1.33 truncates toward zero to -1 -> 1 (floor would give 0)
    QTest::newRow("negative first indent truncates toward zero")
        << -1 << 1 << 0 << 588 << 1 << 2 << 574;
}

void ReporteRulerTest::markerPositionsFromIndents() {
    QFETCH(int, first);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, width);
    const ruler::MarkerLefts m = ruler::marker_lefts({first, left, right}, width);
    QTEST(m.first, "firstLeft");
    QTEST(m.left, "leftLeft");
    QTEST(m.right, "rightLeft");
}

void ReporteRulerTest::dragArithmetic_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("expected");
    QTest::newRow("offset of a 10-pixel marker") << "offset" << 10 << 0 << 0 << 5;
    QTest::newRow("offset of an 11-pixel marker") << "offset" << 11 << 0 << 0 << 5;
    QTest::newRow("offset of a 9-pixel marker") << "offset" << 9 << 0 << 0 << 4;
    // 20 + 7 - 5
    QTest::newRow("move right") << "move" << 20 << 7 << 5 << 22;
    // 20 + 2 - 5
    QTest::newRow("move left") << "move" << 20 << 2 << 5 << 17;
    // trunc((26 + 5 - 6) * 3/4 = 18.75)
    QTest::newRow("first indent") << "first" << 26 << 5 << 0 << 18;
    // trunc((2 + 5 - 6) * 3/4 = 0.75)
    QTest::newRow("first indent at the start") << "first" << 2 << 5 << 0 << 0;
    // trunc((-2 + 5 - 6) * 3/4 = -2.25) toward zero
    QTest::newRow("first indent left of the text") << "first" << -2 << 5 << 0 << -2;
    // trunc((38 + 5 - 6) * 3/4 = 27.75) - 18
    QTest::newRow("left indent") << "left" << 38 << 5 << 18 << 9;
    // trunc((588 + 5 - 558 - 2) * 3/4 = 24.75) - 12
    QTest::newRow("right indent") << "right" << 588 << 558 << 5 << 12;
    // trunc((588 + 5 - 574 - 2) * 3/4 = 12.75) - 12
    QTest::newRow("right indent at the edge") << "right" << 588 << 574 << 5 << 0;
}

void ReporteRulerTest::dragArithmetic() {
    QFETCH(QString, step);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    int got = 0;
    if (step == "offset")
        got = ruler::drag_offset(a);
    if (step == "move")
        got = ruler::dragged_left(a, b, c);
    if (step == "first")
        got = ruler::first_indent_after_drag(a, b);
    if (step == "left")
        got = ruler::left_indent_after_drag(a, b, c);
    if (step == "right")
        got = ruler::right_indent_after_drag(a, b, c);
    QTEST(got, "expected");
}

void ReporteRulerTest::rulerLineAndEditRect() {
    QCOMPARE(ruler::ruler_line_width(596, 4), 588);
    const ruler::EditRect r = ruler::edit_rect(590, 400);
    QCOMPARE(r.left, 6);
    QCOMPARE(r.top, 0);
    QCOMPARE(r.right, 584);
    QCOMPARE(r.bottom, 400);

    TReporte window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.RulerLine->x(), 4);
    QCOMPARE(window.RulerLine->width(), window.Ruler->width() - 8);
    QCOMPARE(window.RightInd->x(), window.Ruler->width() - 14);
    window.resize(700, 500);
    QTRY_COMPARE(window.RulerLine->width(), window.Ruler->width() - 8);
    // The right marker follows the ruler's new width: w - trunc(6 * 4/3) - 6.
    QCOMPARE(window.RightInd->x(), window.Ruler->width() - 14);

    // The editor's text area: x from 6 to width - 6, y from 0 to the height.
    const QSize client = window.RichEdit1->contentsRect().size();
    QCOMPARE(window.RichEdit1->editRect(), QRect(6, 0, client.width() - 12, client.height()));
    // Resizing changes neither the document nor what undo takes back.
    window.RichEdit1->setFocus();
    QTest::keyClicks(window.RichEdit1, "viga");
    window.RichEdit1->document()->setModified(false);
    window.resize(640, 480);
    QTRY_COMPARE(window.RichEdit1->contentsRect().width(), client.width() - 60);
    QCOMPARE(window.RichEdit1->editRect().width(), client.width() - 60 - 12);
    QVERIFY(!window.RichEdit1->document()->isModified());
    window.UndoButton->click();
    QCOMPARE(window.RichEdit1->toPlainText(), QString());
}

void ReporteRulerTest::firstIndentDragKeepsTheLeftIndentWhereItWas() {
    TReporte window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.appendParagraph("Uma linha longa o bastante para quebrar em mais de uma linha.", 11, {});
    window.setParagraphIndents({18, 9, 0});
    window.updateToolbarAndRuler();
    QCOMPARE(window.FirstInd->x(), 26);
    QCOMPARE(window.LeftInd->x(), 38);

    // Grab at x 5 (offset 5: no move), drag to 25 (+20: 46), release.
    window.RulerItemMouseDown(window.FirstInd, 5);
    QCOMPARE(window.FirstInd->x(), 26);
    window.RulerItemMouseMove(window.FirstInd, 25);
    QCOMPARE(window.FirstInd->x(), 46);
    window.FirstIndMouseUp();
    // first = trunc((46 + 5 - 6) * 3/4 = 33.75) = 33;
    // left  = trunc((38 + 5 - 6) * 3/4 = 27.75) - 33 = -6.
    const ruler::Indents after = window.paragraphIndents();
    QCOMPARE(after.first, 33);
    QCOMPARE(after.left, -6);
    // The other lines stay at 27 points: left marker trunc(27 * 4/3) + 2 = 38.
    QCOMPARE(window.LeftInd->x(), 38);
    QCOMPARE(window.FirstInd->x(), 46);
    // In the document: the first line at 33 pt = 44 px, the others at 27 pt = 36 px.
    const QTextBlockFormat b = window.RichEdit1->textCursor().blockFormat();
    QCOMPARE(qRound(b.leftMargin()), 36);
    QCOMPARE(qRound(b.leftMargin() + b.textIndent()), 44);
}

void ReporteRulerTest::leftAndRightIndentDrags() {
    TReporte window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.appendParagraph("Texto", 11, {});
    window.updateToolbarAndRuler();
    const int width = window.Ruler->width();
    QCOMPARE(window.RightInd->x(), width - 14);  // width - trunc(6 * 4/3) - 6

    // Left marker from 2 to 2 + (35 - 5) = 32: trunc((32 + 5 - 6) * 3/4 = 23.25) - 0 = 23.
    window.RulerItemMouseDown(window.LeftInd, 5);
    window.RulerItemMouseMove(window.LeftInd, 35);
    window.LeftIndMouseUp();
    QCOMPARE(window.paragraphIndents().left, 23);
    QCOMPARE(window.paragraphIndents().first, 0);
    QCOMPARE(window.LeftInd->x(), 32);  // trunc(23 * 4/3 = 30.67) + 2

    // Right marker 40 pixels to the left: trunc((w + 5 - (w - 54) - 2) * 3/4 = 42.75) - 12 = 30.
    window.RulerItemMouseDown(window.RightInd, 5);
    window.RulerItemMouseMove(window.RightInd, -35);
    window.RightIndMouseUp();
    QCOMPARE(window.paragraphIndents().right, 30);
    QCOMPARE(window.RightInd->x(), width - 54);  // w - trunc(36 * 4/3 = 48) - 6

    // A move without a press does nothing.
    const int before = window.LeftInd->x();
    window.RulerItemMouseMove(window.LeftInd, 50);
    QCOMPARE(window.LeftInd->x(), before);
}

void ReporteRulerTest::markersFollowTheMouse() {
    TReporte window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.appendParagraph("Texto", 11, {});
    window.updateToolbarAndRuler();
    auto* marker = window.findChild<reporte::TRulerMarker*>("LeftInd");
    QVERIFY(marker != nullptr);
    QTest::mousePress(marker, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(marker, QPoint(17, 5));
    QTest::mouseRelease(marker, Qt::LeftButton, {}, QPoint(5, 5));
    // 2 + 12 = 14: trunc((14 + 5 - 6) * 3/4 = 9.75) = 9 points of left indent.
    QCOMPARE(window.paragraphIndents().left, 9);
}

QTEST_MAIN(ReporteRulerTest)
#include "reporte_ruler_test.moc"
