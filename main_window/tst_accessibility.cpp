// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technology sees: the accessibility trees of both windows, and the near-miss
// message announced when it appears.

#include "frmtendo.h"
#include "frmwe.h"
#include "testsupport.h"
#include "texts.h"

#include <QAccessible>
#include <QTest>

#include <algorithm>
#include <map>
#include <vector>

namespace {

QString T(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct Node {
    QAccessible::Role role;
    QString name;
};

// Every node under `root`, depth first.
void Walk(QAccessibleInterface* root, std::vector<Node>& out) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child)
            continue;
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

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::SetUpApplication(); }

    void bothTreesNameEveryControlInJapanese() {
        frmWE w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.cmdTendo, Qt::LeftButton);
        QTest::mouseClick(w.cmdFrm2, Qt::LeftButton);
        frmTendo* view = w.EarthView();
        QVERIFY(view);

        struct Expect {
            QWidget* window;
            QString title;
            int buttons, texts, graphics;
        };
        // Main: 11 buttons and the counter (a button too); 18 text labels, 8 boxes, the
        // comet and 12 lines. View: 3 buttons; 9 labels; 7 boxes, comet, tail, 2 circles and
        // 2 pictures.
        for (const Expect& e : {Expect{&w, T(txt::kMainCaption), 12, 18, 21},
                                Expect{view, T(txt::kEarthViewCaption), 3, 9, 13}}) {
            QAccessibleInterface* root = QAccessible::queryAccessibleInterface(e.window);
            QVERIFY(root);
            QCOMPARE(root->role(), QAccessible::Window);
            QCOMPARE(root->text(QAccessible::Name), e.title);
            std::vector<Node> nodes;
            Walk(root, nodes);
            std::map<QAccessible::Role, int> roles;
            for (const Node& n : nodes) {
                if (n.role == QAccessible::Window)
                    continue; // the Earth view is a child window of the main one
                ++roles[n.role];
                QVERIFY2(!n.name.isEmpty() && Japanese(n.name), qPrintable(n.name));
            }
            QCOMPARE(roles[QAccessible::Button], e.buttons);
            QCOMPARE(roles[QAccessible::StaticText], e.texts);
            QCOMPARE(roles[QAccessible::Graphic], e.graphics);
        }
    }

    void nearMissIsAnnouncedAndTheCounterReadable() {
        std::vector<QWidget*> announced;
        controls::SetAnnouncementObserver([&announced](QWidget* w) { announced.push_back(w); });
        testsupport::BeepCounter quiet;
        frmWE w;
        w.TmrWE_Timer();
        QVERIFY(announced.empty()); // nothing to say on an ordinary tick
        w.s.Com = {w.s.Eth.Xn + 150, w.s.Eth.Yn, w.s.Eth.Xn + 150, w.s.Eth.Yn, 0};
        w.TmrWE_Timer();
        controls::SetAnnouncementObserver(nullptr);
        QCOMPARE(announced, std::vector<QWidget*>{w.lblMes});
        QCOMPARE(QAccessible::queryAccessibleInterface(w.lblMes)->text(QAccessible::Value),
                 T(txt::kMissEarth));
        // The counter reads its name and its count; pressing it resets the count.
        w.s.n = 4;
        w.lblEthYear->setCaption(QStringLiteral("4"));
        QAccessibleInterface* year = QAccessible::queryAccessibleInterface(w.lblEthYear);
        QCOMPARE(year->text(QAccessible::Name), T(txt::a11y::kYearCount));
        QCOMPARE(year->text(QAccessible::Value), QStringLiteral("4"));
        year->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(int(w.s.n), 0);
        QCOMPARE(year->text(QAccessible::Value), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
