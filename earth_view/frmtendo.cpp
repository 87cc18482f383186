// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "earth_view/frmtendo.h"

#include "resources/texts.h"
#include "simulation/sky.h"

#include <cmath>
#include <utility>

using namespace controls;

namespace {

double CentreX(const Control* c) {
    return double(c->Left()) + double(c->Width()) / 2;
}
double CentreY(const Control* c) {
    return double(c->Top()) + double(c->Height()) / 2;
}

// One Move, left and top together, so that the centre lies on (x, y).
void PlaceCentre(Control* c, double x, double y) {
    c->Move(x - double(c->Width()) / 2, y - double(c->Height()) / 2);
}

} // namespace

frmTendo::frmTendo(MainWindowView main) : Form("frmTendo"), main_(std::move(main)) {
    buildLayout();
    cmdStop->onClick([this] { cmdStop_Click(); });
    cmdKesu->onClick([this] { cmdKesu_Click(); });
    cmdClos->onClick([this] { cmdClos_Click(); });
    Form_Load();
    cmdStop->SetFocus();
}

void frmTendo::Open(bool running) {
    Show();
    if (running) {
        tmrTendo.setInterval(40);
        cmdStop->setCaption(txt::kViewStop);
        shpKodo->setVisible(false);
        for (Label* l : NameLabels())
            l->setVisible(false);
    } else {
        cmdStop->setCaption(txt::kViewMove);
        Teisi = true;
    }
}

std::vector<Label*> frmTendo::NameLabels() const {
    return {lblSun2, lblMrc2, lblVns2, lblEth2, lblMon2, lblMas2, lblJup2, lblSat2, lblCom2};
}

void frmTendo::Form_Load() {
    const double width = OuterWidth();
    const double height = OuterHeight();
    TyusinX = width / 2;
    TyusinY = height / 2 - 150;

    // The constellations take their width from the window's height, not its width.
    imgTendo->setWidth(height + 700);
    imgTendo->setHeight(height - 300);
    imgTendo->Move(TyusinX - double(imgTendo->Width()) / 2, 0);
    imgTendo->setVisible(true);

    shpTenku->setWidth(height - 500);
    shpTenku->setHeight(height - 500);
    PlaceCentre(shpTenku, TyusinX, TyusinY);

    shpKodo->setWidth(height - 1500);
    shpKodo->setHeight(height - 1500);
    PlaceCentre(shpKodo, TyusinX, TyusinY);

    Hankei = double(shpKodo->Width()) / 2;
    Teisi = false;
    Kesu = false;

    // The chart: every body on the ecliptic circle in a fixed direction (x, y), its label
    // moved in towards the centre by (inX, inY) along that direction.
    const double a = sim::kPi / 6, b = sim::kPi / 3;
    struct ChartRow {
        Control* body;
        Label* label;
        double x, y, inX, inY;
    };
    const ChartRow chart[] = {
        {picSun2, lblSun2, 0, -1, 0, 200},
        {picMon2, lblMon2, -1, 0, 200, 0},
        {picMrc2, lblMrc2, -std::cos(a), std::sin(a), 200, 400},
        {picVns2, lblVns2, -std::cos(b), std::sin(b), 200, 300},
        {picMas2, lblMas2, std::cos(b), std::sin(b), 500, 400},
        {picJup2, lblJup2, std::cos(a), std::sin(a), 500, 500},
        {picSat2, lblSat2, 1, 0, 500, 0},
        {shpCom2, lblCom2, 0, 1, 0, 400},
    };
    for (const ChartRow& r : chart) {
        PlaceCentre(r.body, TyusinX + Hankei * r.x, TyusinY + Hankei * r.y);
        r.label->Move(TyusinX + (Hankei - r.inX) * r.x, TyusinY + (Hankei - r.inY) * r.y);
    }

    LinTail2->setX1(CentreX(shpCom2));
    LinTail2->setY1(CentreY(shpCom2));
    LinTail2->setX2(double(LinTail2->X1()) - 100);
    LinTail2->setY2(double(LinTail2->Y1()) + 200);
}

// The projection itself is the core's; the window keeps the record of its last call.
void frmTendo::ProjectToSky() {
    const sim::SkyPoint p =
        sim::ProjectToSky({{EthX2, EthY2}, {X2w, Y2w}, {TyusinX, TyusinY}, Hankei, hosei, Kakudo});
    X2t = p.X2t;
    Y2t = p.Y2t;
    Kakudo = p.Kakudo;
}

void frmTendo::tmrTendo_Timer() {
    EthX2 = CentreX(main_.picEth);
    EthY2 = CentreY(main_.picEth);

    auto project = [this](const Control* source, std::int16_t correction, Control* target) {
        X2w = CentreX(source);
        Y2w = CentreY(source);
        hosei = correction;
        ProjectToSky();
        PlaceCentre(target, X2t, Y2t);
    };
    project(main_.picMon, -550, picMon2);
    project(main_.picSun, -350, picSun2);
    project(main_.picMrc, -250, picMrc2);
    project(main_.picVns, -180, picVns2);
    project(main_.picMas, -100, picMas2);
    // The main window's Jupiter stands for both outer planets: it hides both in its Mars range.
    if (main_.picJup->Visible()) {
        picJup2->setVisible(true);
        picSat2->setVisible(true);
        project(main_.picJup, 0, picJup2);
        project(main_.picSat, 100, picSat2);
    } else {
        picJup2->setVisible(false);
        picSat2->setVisible(false);
    }
    project(main_.shpCom, 0, shpCom2);

    // The tail ends where the Earth sees the end of the main window's tail, on the comet's
    // circle: a chord from the comet.
    X2w = double(main_.LinTail->X2());
    Y2w = double(main_.LinTail->Y2());
    hosei = 0;
    ProjectToSky();
    LinTail2->setPoints(CentreX(shpCom2), CentreY(shpCom2), X2t, Y2t);
}

void frmTendo::cmdStop_Click() {
    // Where each name label goes beside its body when the view stops.
    struct Beside {
        Label* label;
        const Control* body;
        double offset;
    };
    auto placeBeside = [](const Beside& b) {
        b.label->setLeft(double(b.body->Left()) + b.offset);
        b.label->setTop(double(b.body->Top()) + 70);
        b.label->setVisible(true);
    };

    if (!Teisi) {
        tmrTendo.setInterval(0);
        main_.SetMotion(false);
        cmdStop->setCaption(txt::kViewMove);
        lblEth2->setVisible(true);
        for (const Beside& b : {Beside{lblSun2, picSun2, 350}, Beside{lblMon2, picMon2, 350},
                                Beside{lblMrc2, picMrc2, 150}, Beside{lblVns2, picVns2, 150},
                                Beside{lblMas2, picMas2, 150}})
            placeBeside(b);
        if (!main_.picJup->Visible()) {
            lblJup2->setVisible(false);
            lblSat2->setVisible(false);
        } else {
            placeBeside({lblJup2, picJup2, 250});
            placeBeside({lblSat2, picSat2, 200});
        }
        placeBeside({lblCom2, shpCom2, 150});
    } else {
        cmdStop->setCaption(txt::kViewStop);
        tmrTendo.setInterval(40);
        main_.SetMotion(true);
        shpKodo->setVisible(false);
        for (Label* l : NameLabels())
            l->setVisible(false);
        HideMainScale();
    }
    Teisi = !Teisi;
}

void frmTendo::cmdKesu_Click() {
    if (!Kesu) {
        cmdKesu->setCaption(txt::kShowStars);
        imgTendo->setVisible(false);
        shpTenku->setVisible(true);
        imgTikyu->setLeft(TyusinX - double(imgTikyu->Width()) / 2 + 20);
        imgTikyu->setTop(TyusinY - double(imgTikyu->Height()) / 2 + 7);
        imgTikyu->setVisible(true);
    } else {
        cmdKesu->setCaption(txt::kHideStars);
        imgTendo->setWidth(OuterWidth());
        imgTendo->setHeight(OuterHeight() - 300);
        imgTendo->setLeft(TyusinX - double(imgTendo->Width()) / 2);
        imgTendo->setTop(0);
        imgTendo->setVisible(true);
        imgTikyu->setVisible(false);
        shpTenku->setVisible(false);
    }
    Kesu = !Kesu;
}

// 閉じる, Esc and the frame's close box all unload the window.
void frmTendo::cmdClos_Click() {
    Close();
}

void frmTendo::Form_Unload() {
    if (main_.Running())
        HideMainScale();
    tmrTendo.setInterval(0);
}

void frmTendo::HideMainScale() {
    main_.HideScale();
}
