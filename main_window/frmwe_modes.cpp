// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's modes: the view range, the Earth-centred display, holding the Earth, and
// resetting the revolution counter.

#include "main_window/frmwe.h"
#include "resources/texts.h"
#include "simulation/init.h"

using namespace controls;

namespace {

// Where each body stands on the axis in each range, with its tick line and labels placed
// relative to its box.
struct RangeRow {
    PictureBox* frmWE::*box;
    Line* frmWE::*tick; // none for the Moon
    Label* frmWE::*name;
    float nameOffset;
    Label* frmWE::*distance; // none for the Moon
    float distanceOffset;
    double marsX, saturnX;
};

const RangeRow kRange[] = {
    {&frmWE::picSun, &frmWE::Line5, &frmWE::lblSun, -60, &frmWE::lblSunN, 60, 5000, 2000},
    {&frmWE::picMrc, &frmWE::Line4, &frmWE::lblMrc, -100, &frmWE::lblMrcN, -60, 4050, 1600},
    {&frmWE::picVns, &frmWE::Line3, &frmWE::lblVns, -100, &frmWE::lblVnsN, -50, 3380, 1300},
    {&frmWE::picEth, &frmWE::Line2, &frmWE::lblEth, -170, &frmWE::lblEthN, -70, 2680, 1000},
    {&frmWE::picMon, nullptr, &frmWE::lblMon, -140, nullptr, 0, 2520, 867.5},
    {&frmWE::picMas, &frmWE::Line6, &frmWE::lblMas, -200, &frmWE::lblMasN, -70, 1650, 550},
    {&frmWE::picJup, &frmWE::Line7, &frmWE::lblJup, -100, &frmWE::lblJupN, -20, 8070, 7220},
    {&frmWE::picSat, &frmWE::Line8, &frmWE::lblSat, -90, &frmWE::lblSatN, -10, 9570, 11515},
};

constexpr double kAxisY = 4200;

struct RangeExtras {
    double venusTickY2, venusDistanceTop;
    double cometLeft, cometTop;
    double ComXnp, ComYnp;
};
constexpr RangeExtras kMarsExtras{5050, 5160, 10500, 7000, -5, 4};
constexpr RangeExtras kSaturnExtras{5400, 5500, 11000, 6800, -0.6, 1};

} // namespace

void frmWE::cmdSyo_Click() {
    if (TmrWE.Interval() == 0) {
        lblTomeru->setVisible(false);
        s.n = 0; // the label keeps the old count until the next tick writes it
        ShowScale();
        buildRange(!s.Syo);
        s.Syo = !s.Syo;
    }
    cmdSTR[0]->SetFocus();
}

void frmWE::buildRange(bool saturn) {
    const RangeExtras& extra = saturn ? kSaturnExtras : kMarsExtras;
    ClearBodies();
    for (const RangeRow& row : kRange) {
        PictureBox* box = this->*row.box;
        if (row.box == &frmWE::picJup)
            picJup->setVisible(true);
        if (row.box == &frmWE::picSat)
            picSat->setVisible(true);
        const double x = saturn ? row.saturnX : row.marsX;
        box->setLeft(x - double(box->Width()) / 2);
        box->setTop(kAxisY - double(box->Height()) / 2);
        const double centre = double(box->Left()) + double(box->Width()) / 2;
        if (row.tick) {
            Line* tick = this->*row.tick;
            if (tick == Line3) {
                tick->setX1(centre);
                tick->setY1(4500);
                tick->setX2(centre);
                tick->setY2(extra.venusTickY2);
            } else {
                tick->setX1(centre);
                tick->setX2(centre);
            }
        }
        (this->*row.name)->setLeft(double(box->Left()) + double(row.nameOffset));
        if (row.distance) {
            Label* distance = this->*row.distance;
            distance->setLeft(double(box->Left()) + double(row.distanceOffset));
            if (distance == lblVnsN)
                distance->setTop(extra.venusDistanceTop);
        }
    }
    shpCom->setLeft(extra.cometLeft);
    shpCom->setTop(extra.cometTop);
    s.ComXnp = extra.ComXnp;
    s.ComYnp = extra.ComYnp;
    LinTail->setPoints(double(shpCom->Left()), double(shpCom->Top()), double(shpCom->Left()),
                       double(shpCom->Top()));

    if (!saturn) {
        cmdSyo->setCaption(txt::kToSaturn);
        InitBodies();
        s.yo = true;
        Line1->setPoints(450, kAxisY, 6960, kAxisY);
        Line10->setVisible(true);
        Line11->setVisible(true);
        Line9->setPoints(7200, kAxisY, 10080, kAxisY);
        return;
    }
    s.yo = false;
    cmdSyo->setCaption(txt::kToMars);
    InitBodies();
    sim::OuterRangePull(s);
    Line9->setPoints(6960, kAxisY, 11900, kAxisY);
    Line10->setVisible(false);
    Line11->setVisible(false);
}

void frmWE::cmdTendo_Click() {
    s.TendoXn = double(picEth->Width()) / 2 + double(picEth->Left());
    s.TendoYn = double(picEth->Height()) / 2 + double(picEth->Top());
    if (s.Tendo) {
        cmdTendo->setCaption(txt::kEarthCentred);
        cmdFrm2->setEnabled(false);
        cmdEthST->setEnabled(true);
    } else {
        cmdTendo->setCaption(txt::kSunCentred);
        cmdFrm2->setEnabled(true);
        cmdEthST->setEnabled(false);
    }
    s.Tendo = !s.Tendo;
}

void frmWE::cmdEthST_Click() {
    if (s.Ethstop) {
        cmdEthST->setCaption(txt::kHoldEarth);
        cmdTendo->setEnabled(true);
        cmdFrm2->setEnabled(false);
    } else {
        cmdEthST->setCaption(txt::kReleaseEarth);
        cmdTendo->setEnabled(false);
        cmdFrm2->setEnabled(false);
    }
    s.Ethstop = !s.Ethstop;
}

void frmWE::lblEthYear_Click() {
    lblEthYear->setCaption("0");
    shownYear_ = 0;
    s.n = 0; // the revolution in progress goes on: m is left alone
}
