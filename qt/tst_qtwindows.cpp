// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Both windows on the Qt backend, at 100 % and (run again with QT_SCALE_FACTOR=2) at 200 %:
// what they show always equals a full repaint, the revolution counter under mouse and
// keyboard, the frames, a click on the sky, the accessibility trees, and crisp scaling.

#include "main_window/frmwe.h"
#include "qt/tst_qtsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <cmath>
#include <map>
#include <vector>

using namespace controls;
using qt_testing::At;
using qt_testing::Differ;
using qt_testing::W;

namespace {

const QColor kSky(32, 32, 32);

QString T(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// How many pairs of body boxes overlap on a window.
int Overlaps(const Form& f) {
    std::vector<QRectF> boxes;
    for (const auto& c : f.Controls())
        if (c->kind() == Kind::PictureBox && c->Visible())
            boxes.emplace_back(c->Left(), c->Top(), c->Width(), c->Height());
    int n = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            n += boxes[i].intersects(boxes[j]);
    return n;
}

struct Node {
    QAccessible::Role role;
    QString name;
};

void Walk(QAccessibleInterface* root, std::vector<Node>& out) {
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* child = root->child(i)) {
            out.push_back({child->role(), child->text(QAccessible::Name)});
            Walk(child, out);
        }
}

bool Japanese(const QString& s) {
    for (QChar c : s)
        if (c.unicode() >= 0x3000)
            return true;
    return false;
}

} // namespace

class TestQtWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<qtb::QtBackend> backend_;

    static frmTendo& OpenView(frmWE& w) {
        w.cmdTendo->Click();
        w.cmdFrm2->Click();
        if (!QTest::qWaitForWindowExposed(W(*w.EarthView())))
            qWarning("Earth view not exposed");
        return *w.EarthView();
    }

private slots:
    void initTestCase() { backend_ = qt_testing::SetUp(); }
    void cleanupTestCase() { backend_.reset(); }

    // Tick after tick, with bodies passing over each other, not one pixel on screen differs
    // from a full repaint of the same state.
    void shownEqualsAFullRepaint_data() {
        QTest::addColumn<bool>("saturnRange");
        QTest::newRow("Mars range") << false;
        QTest::newRow("Saturn range") << true;
    }
    void shownEqualsAFullRepaint() {
        QFETCH(bool, saturnRange);
        frmWE w;
        if (saturnRange)
            w.cmdSyo->Click();
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(W(w)));
        w.cmdSTR[0]->Click();
        frmTendo& v = OpenView(w);
        // The ticks come from here, not from the clock.
        w.TmrWE.setInterval(0);
        v.tmrTendo.setInterval(0);
        int overlapping = 0;
        for (int tick = 1; tick <= 240; ++tick) {
            w.TmrWE_Timer();
            v.tmrTendo_Timer();
            overlapping += Overlaps(w) + Overlaps(v);
            for (const Form* f : {static_cast<const Form*>(&w), static_cast<const Form*>(&v)}) {
                const long stale = Differ(qt_testing::Shown(*f), qt_testing::Full(*f));
                QVERIFY2(stale == 0, qPrintable(QStringLiteral("%1 stale pixels on %2, tick %3")
                                                    .arg(stale)
                                                    .arg(QString::fromStdString(f->Name()))
                                                    .arg(tick)));
            }
        }
        QVERIFY(overlapping > 50); // the property was put to the test
    }

    // The counter resets under the mouse but leaves the focus where it was; Tab reaches it,
    // and its focus frame stays clear of the digits.
    void revolutionCounter() {
        frmWE w;
        w.Show();
        QVERIFY(QTest::qWaitForWindowActive(W(w)));
        QWidget* counter = W(w.lblEthYear);
        while (w.s.n == 0)
            w.TmrWE_Timer();
        qt_testing::Settle();
        w.cmdSTP->SetFocus();
        QCOMPARE(QApplication::focusWidget(), W(w.cmdSTP));
        QTest::mouseClick(counter, Qt::LeftButton, {}, counter->rect().center());
        QCOMPARE(w.lblEthYear->Caption(), std::string("0"));
        QCOMPARE(int(w.s.n), 0);
        QCOMPARE(QApplication::focusWidget(), W(w.cmdSTP));
        QCOMPARE(counter->cursor().shape(), Qt::ArrowCursor);
        qt_testing::Settle();
        const QImage unfocused = counter->grab().toImage();
        // Tab from the last speed button.
        W(w.cmdSTR[3])->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), counter);
        QVERIFY(w.lblEthYear->HasFocus());
        qt_testing::Settle();
        const QImage focused = counter->grab().toImage();
        QCOMPARE(focused.size(), unfocused.size());
        // The frame: only in the margin outside the text's own box.
        // The label's own box, from its twips, in the widget's device pixels.
        const double dpr = focused.devicePixelRatio();
        const QRect box(int(std::lround(w.lblEthYear->Left() / 15.f)) - counter->x(),
                        int(std::lround(w.lblEthYear->Top() / 15.f)) - counter->y(),
                        int(std::lround(w.lblEthYear->Width() / 15.f)),
                        int(std::lround(w.lblEthYear->Height() / 15.f)));
        const QRect text(box.topLeft() * dpr, box.size() * dpr);
        int frame = 0;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                if (focused.pixel(x, y) != unfocused.pixel(x, y)) {
                    QVERIFY2(!text.contains(x, y), "the focus frame crosses the text");
                    ++frame;
                }
        QVERIFY(frame > 20);
        // Space resets it from the keyboard.
        while (w.s.n == 0)
            w.TmrWE_Timer();
        QTest::keyClick(counter, Qt::Key_Space);
        QCOMPARE(int(w.s.n), 0);
    }

    void framesOfTheTwoWindows() {
        frmWE w;
        w.Show();
        frmTendo& v = OpenView(w);
        QWidget* main = W(w);
        QWidget* view = W(v);
        QVERIFY(main->windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(main->minimumSize() != main->maximumSize());
        QVERIFY(!(view->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(view->minimumSize(), view->maximumSize());
        QCOMPARE(view->size(), QSize(559, 507));
        QCOMPARE(main->size(), QSize(704, 509));
        QCOMPARE(main->windowTitle(), T("惑星の動き"));
        QCOMPARE(view->windowTitle(), T("地球から見ると"));
        QCOMPARE(main->windowIcon().availableSizes().value(0), QSize(32, 32));
        QCOMPARE(view->windowIcon().availableSizes().value(0), QSize(32, 32));
    }

    // A click on the sky takes the focus off the buttons; Enter then starts at the slowest pace.
    void clickOnTheSkyThenEnter() {
        frmWE w;
        w.Show();
        QVERIFY(QTest::qWaitForWindowActive(W(w)));
        QCOMPARE(QApplication::focusWidget(), W(w.cmdSTR[0]));
        QTest::mouseClick(W(w), Qt::LeftButton, {}, QPoint(400, 420));
        QCOMPARE(w.Focused(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.TmrWE.Interval(), 180);
        // Esc ends.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w.Loaded());
        QVERIFY(W(w)->isHidden());
    }

    // A key held down reaches the program once: its repeats press nothing, on a button, on the
    // counter or on the window, and a held Esc that closed the Earth view does not go on to end
    // the program. The keypad's Enter is Enter.
    void heldKeysPressOnceAndTheKeypadEnterIsEnter() {
        frmWE w;
        w.Show();
        QVERIFY(QTest::qWaitForWindowActive(W(w)));
        auto key = [&w](Qt::Key k, bool repeat, Qt::KeyboardModifiers m = Qt::NoModifier) {
            QKeyEvent press(QEvent::KeyPress, k, m, QString(), repeat);
            QWidget* to = QApplication::focusWidget();
            QApplication::sendEvent(to                             ? to
                                    : QApplication::activeWindow() ? QApplication::activeWindow()
                                                                   : W(w),
                                    &press);
        };
        key(Qt::Key_Return, false); // 始める
        QCOMPARE(w.TmrWE.Interval(), 40);
        QCOMPARE(QApplication::focusWidget(), W(w.cmdSTP));
        key(Qt::Key_Return, true); // held: 止める is not pressed
        key(Qt::Key_Space, true);
        QCOMPARE(w.TmrWE.Interval(), 40);
        key(Qt::Key_Enter, false, Qt::KeypadModifier); // the keypad's Enter on 止める
        QCOMPARE(w.TmrWE.Interval(), 0);

        // The counter, reset once by Space: a repeat that came later would not reset it again.
        while (w.s.n == 0)
            w.TmrWE_Timer();
        W(w.lblEthYear)->setFocus();
        key(Qt::Key_Space, true);
        QVERIFY(w.s.n != 0);

        frmTendo& v = OpenView(w);
        QVERIFY(QTest::qWaitForWindowActive(W(v)));
        key(Qt::Key_Escape, false);
        QVERIFY(!v.Loaded());
        QVERIFY(QTest::qWaitForWindowActive(W(w)));
        key(Qt::Key_Escape, true); // still held
        QVERIFY(w.Loaded());
    }

    void accessibilityTrees() {
        frmWE w;
        w.Show();
        frmTendo& v = OpenView(w);
        struct Expect {
            const Form* form;
            QString title;
            int buttons, texts, graphics;
        };
        // Main: 11 buttons and the counter; 18 labels; 8 boxes, the comet and 12 lines.
        // View: 3 buttons; 9 labels; 7 boxes, the comet, its tail, 2 circles and 2 pictures.
        for (const Expect& e :
             {Expect{&w, T("惑星の動き"), 12, 18, 21}, Expect{&v, T("地球から見ると"), 3, 9, 13}}) {
            QAccessibleInterface* root = QAccessible::queryAccessibleInterface(W(*e.form));
            QVERIFY(root);
            QCOMPARE(root->role(), QAccessible::Window);
            QCOMPARE(root->text(QAccessible::Name), e.title);
            std::vector<Node> nodes;
            Walk(root, nodes);
            std::map<QAccessible::Role, int> roles;
            for (const Node& n : nodes) {
                ++roles[n.role];
                QVERIFY2(Japanese(n.name),
                         qPrintable(QStringLiteral("%1 role %2").arg(n.name).arg(int(n.role))));
            }
            QCOMPARE(int(nodes.size()), e.buttons + e.texts + e.graphics);
            QCOMPARE(roles[QAccessible::Button], e.buttons);
            QCOMPARE(roles[QAccessible::StaticText], e.texts);
            QCOMPARE(roles[QAccessible::Graphic], e.graphics);
        }
        // A button's name follows its caption.
        w.cmdSTR[0]->Click();
        QCOMPARE(QAccessible::queryAccessibleInterface(W(w.cmdSTR[0]))->text(QAccessible::Name),
                 T("動かす"));
        // The counter reads its count and is pressed like a button.
        QAccessibleInterface* year = QAccessible::queryAccessibleInterface(W(w.lblEthYear));
        QCOMPARE(year->role(), QAccessible::Button);
        while (w.s.n == 0)
            w.TmrWE_Timer();
        QCOMPARE(year->text(QAccessible::Value), QStringLiteral("1"));
        year->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(year->text(QAccessible::Value), QStringLiteral("0"));
    }

    void nearMissIsAnnouncedAndBeeps() {
        int beeps = 0;
        std::vector<Control*> announced;
        backend_->onBeep = [&beeps] { ++beeps; };
        backend_->onAnnounce = [&announced](Control& c) { announced.push_back(&c); };
        frmWE w;
        w.TmrWE_Timer();
        QVERIFY(announced.empty());
        w.s.Com = {w.s.Eth.Xn + 150, w.s.Eth.Yn, w.s.Eth.Xn + 150, w.s.Eth.Yn, 0};
        w.TmrWE_Timer();
        backend_->onBeep = [] {};
        backend_->onAnnounce = nullptr;
        QCOMPARE(beeps, 1);
        QCOMPARE(announced, std::vector<Control*>{w.lblMes});
        QCOMPARE(QAccessible::queryAccessibleInterface(W(w.lblMes))->text(QAccessible::Value),
                 T("地球とニアミス！"));
    }

    // At any scale: the window in device pixels, lines crisp, geometry unchanged in twips.
    void crispAtTheScreensScale() {
        frmWE w;
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(W(w)));
        const QImage shot = qt_testing::Full(w);
        const double dpr = shot.devicePixelRatio();
        QCOMPARE(shot.size(), QSize(704, 509) * dpr);
        QCOMPARE(w.ScaleWidth(), 10560.0);
        // The axis at 4200 twips: exactly one logical pixel of device rows.
        const int axis = int(4200 / 15 * dpr);
        for (int d = 0; d < int(dpr); ++d)
            QCOMPARE(shot.pixelColor(int(600 * dpr), axis + d), QColor(0, 0, 192));
        QCOMPARE(shot.pixelColor(int(600 * dpr), axis - 1), kSky);
        QCOMPARE(shot.pixelColor(int(600 * dpr), axis + int(dpr)), kSky);
        QCOMPARE(At(shot, 5005, 4215), QColor(255, 255, 0)); // the Sun's disc
        // A trail dot is one logical pixel.
        w.HideScale();
        w.PSet(3000 + 7, 6000 + 7, {0, 0, 255});
        const QImage dot = qt_testing::Shown(w);
        for (int dy = 0; dy < int(dpr); ++dy)
            for (int dx = 0; dx < int(dpr); ++dx)
                QCOMPARE(dot.pixelColor(int(200 * dpr) + dx, int(400 * dpr) + dy),
                         QColor(0, 0, 255));
        QCOMPARE(dot.pixelColor(int(200 * dpr) + int(dpr), int(400 * dpr)), kSky);
        // The Earth view: the Sun of the chart at the top of its circle.
        frmTendo& v = OpenView(w);
        const QImage view = qt_testing::Full(v);
        QCOMPARE(view.size(), QSize(559, 507) * dpr);
        QCOMPARE(At(view, v.TyusinX, v.TyusinY - v.Hankei), QColor(255, 255, 0));
        v.cmdKesu->Click(); // plain sky beside the Earth picture
        QCOMPARE(At(qt_testing::Full(v), v.TyusinX + 1500, v.TyusinY + 700), kSky);
    }
};

QTEST_MAIN(TestQtWindows)
#include "tst_qtwindows.moc"
