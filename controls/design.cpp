// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "design.h"

#include <QImageReader>

namespace controls {

QImage LoadPicture(const char* resourcePath) {
    QImageReader reader(QString::fromLatin1(resourcePath));
    return reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void BuildBoxes(Form* form, std::initializer_list<BoxDesign> boxes, QColor background) {
    for (const BoxDesign& d : boxes) {
        auto* box = new PictureBox(form);
        box->Move(d.left, d.top, d.width, d.height);
        box->setBackColor(background);
        if (d.disc)
            box->setDisc({d.disc->width, d.disc->height, {d.disc->fill, d.disc->outline}});
        else
            box->setPicture(LoadPicture(d.picture));
        box->setAccessibleName(Utf8(d.name));
        *d.slot = box;
    }
}

} // namespace controls
