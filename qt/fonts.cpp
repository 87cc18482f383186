// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/backend.h"

#include <QFont>
#include <QStringList>

namespace qtb {

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic")});
    // The message line wants a heavy rounded Gothic; the rounded Motoya face is drawn bold.
    QFont::insertSubstitutions(QStringLiteral("HGP平成丸ｺﾞｼｯｸ体W8"),
                               {QStringLiteral("MotoyaLMaru"), QStringLiteral("IPAPGothic")});
}

} // namespace qtb
