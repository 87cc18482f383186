// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <functional>

namespace controls {

// Gives the windowless controls and the picture boxes their roles for assistive technology:
// labels read as text, pictures, shapes and lines as graphics. Call once after the
// application object exists.
void InstallAccessibility();

// Tells assistive technology that a control's new text needs saying at once (a screen reader
// speaks it without waiting for the user to reach it).
void Announce(QWidget* control);

// Tests watch announcements here; nullptr stops watching.
void SetAnnouncementObserver(std::function<void(QWidget*)> observer);

} // namespace controls
