// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Earth view "地球から見ると": the main window's bodies shown in the direction in which the
// Earth sees them, on circles around the middle of the window, over the zodiac constellations.

#include "controls/form.h"
#include "controls/timer.h"

#include <cstdint>
#include <functional>
#include <vector>

// What the Earth view sees of the main window: the pictures, comet and tail it shows, never the
// simulation state itself; and what it may ask of it. It writes nothing of the main window's.
struct MainWindowView {
    const controls::PictureBox* picEth = nullptr;
    const controls::PictureBox* picMon = nullptr;
    const controls::PictureBox* picSun = nullptr;
    const controls::PictureBox* picMrc = nullptr;
    const controls::PictureBox* picVns = nullptr;
    const controls::PictureBox* picMas = nullptr;
    const controls::PictureBox* picJup = nullptr;
    const controls::PictureBox* picSat = nullptr;
    const controls::Shape* shpCom = nullptr;
    const controls::Line* LinTail = nullptr;
    // Whether the motion runs.
    std::function<bool()> Running;
    // Stops the motion (false), or starts it again at the Earth view's pace (true).
    std::function<void(bool run)> SetMotion;
    // Hides the main window's distance scale.
    std::function<void()> HideScale;
};

class frmTendo : public controls::Form {
public:
    // Creates and loads the window: builds its controls and runs Form_Load. The main window
    // must outlive it.
    explicit frmTendo(MainWindowView main);

    // Shows the window, moving with the main window's motion if that runs, stopped with the
    // bodies' names shown if not.
    void Open(bool running);

    // The window's state while it is loaded, written only by its own handlers. The
    // projection's fields hold its last call.
    double EthX2 = 0, EthY2 = 0;
    double X2w = 0, Y2w = 0;
    double X2t = 0, Y2t = 0;
    double TyusinX = 0, TyusinY = 0;
    double Hankei = 0;
    double Kakudo = 0;
    std::int16_t hosei = 0;
    bool Kesu = false;  // the constellations are hidden
    bool Teisi = false; // the view is stopped

    // Controls, by their layout names.
    controls::CommandButton* cmdStop = nullptr;
    controls::CommandButton* cmdClos = nullptr;
    controls::CommandButton* cmdKesu = nullptr;

    controls::PictureBox* picSun2 = nullptr;
    controls::PictureBox* picMon2 = nullptr;
    controls::PictureBox* picMrc2 = nullptr;
    controls::PictureBox* picVns2 = nullptr;
    controls::PictureBox* picMas2 = nullptr;
    controls::PictureBox* picJup2 = nullptr;
    controls::PictureBox* picSat2 = nullptr;
    controls::Shape* shpCom2 = nullptr;
    controls::Line* LinTail2 = nullptr;
    controls::Image* imgTikyu = nullptr;

    controls::Shape* shpTenku = nullptr;
    controls::Shape* shpKodo = nullptr;
    controls::Image* imgTendo = nullptr;

    controls::Label *lblSun2 = nullptr, *lblMon2 = nullptr, *lblMrc2 = nullptr, *lblVns2 = nullptr,
                    *lblEth2 = nullptr, *lblMas2 = nullptr, *lblJup2 = nullptr, *lblSat2 = nullptr,
                    *lblCom2 = nullptr;

    controls::Timer tmrTendo{[this] { tmrTendo_Timer(); }};

    // Handlers, named after their control and event.
    void Form_Load();
    void cmdStop_Click();
    void cmdKesu_Click();
    void cmdClos_Click();
    void tmrTendo_Timer();

    // The nine name labels, in the order they are hidden when the view runs.
    std::vector<controls::Label*> NameLabels() const;

    // The window's size with its frame, in twips: the same on every platform, so that the
    // geometry derived from it at load is too.
    double OuterWidth() const;
    double OuterHeight() const;

protected:
    void Form_Unload() override;

private:
    void buildLayout();
    void ProjectToSky();
    void HideMainScale();

    MainWindowView main_;
};
