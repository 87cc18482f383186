// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The functions web/backend.cpp calls: each hands its arguments, strings decoded, to the page's
// side (web/js).
mergeInto(LibraryManager.library, {
  wk_form_create: function (id, name, main) {
    WakuseiPage.attach(Module);
    WakuseiPage.formCreate(id, UTF8ToString(name), main);
  },
  wk_form_destroy: function (id) { WakuseiPage.formDestroy(id); },
  wk_form_show: function (id, shown) { WakuseiPage.formShow(id, shown); },
  wk_form_caption: function (id, text) { WakuseiPage.formCaption(id, UTF8ToString(text)); },
  wk_form_icon: function (id, name) { WakuseiPage.formIcon(id, UTF8ToString(name)); },
  wk_form_border: function (id, fixed) { WakuseiPage.formBorder(id, fixed); },
  wk_form_size: function (id, w, h) { WakuseiPage.formSize(id, w, h); },
  wk_form_back: function (id, colour) { WakuseiPage.formBack(id, colour); },
  wk_form_focus: function (id, control) { WakuseiPage.formFocus(id, control); },
  wk_control_create: function (form, id, kind, name) {
    WakuseiPage.controlCreate(form, id, kind, UTF8ToString(name));
  },
  wk_place: function (id, l, t, w, h) { WakuseiPage.place(id, l, t, w, h); },
  wk_circle: function (id, x, y, d, fill, outline) {
    WakuseiPage.circle(id, x, y, d, fill, outline);
  },
  wk_line: function (id, x1, y1, x2, y2, width, colour, smooth) {
    WakuseiPage.line(id, x1, y1, x2, y2, width, colour, smooth);
  },
  wk_text: function (id, text) { WakuseiPage.text(id, UTF8ToString(text)); },
  wk_colors: function (id, fore, back) { WakuseiPage.colors(id, fore, back); },
  wk_font: function (id, family, px, bold, italic) {
    WakuseiPage.font(id, UTF8ToString(family), px, bold, italic);
  },
  wk_align: function (id, a) { WakuseiPage.align(id, a); },
  wk_visible: function (id, v) { WakuseiPage.visible(id, v); },
  wk_enabled: function (id, e) { WakuseiPage.enabled(id, e); },
  wk_tip: function (id, tip) { WakuseiPage.tip(id, UTF8ToString(tip)); },
  wk_name: function (id, name) { WakuseiPage.name(id, UTF8ToString(name)); },
  wk_picture: function (id, name) { WakuseiPage.picture(id, UTF8ToString(name)); },
  wk_clickable: function (id, on) { WakuseiPage.clickable(id, on); },
  wk_z: function (id, z) { WakuseiPage.zOrder(id, z); },
  wk_tab: function (id, order) { WakuseiPage.tabOrder(id, order); },
  wk_dot: function (form, x, y, d, colour) { WakuseiPage.dot(form, x, y, d, colour); },
  wk_beep: function () { WakuseiPage.beep(); },
  wk_announce: function (form, text) { WakuseiPage.announce(form, UTF8ToString(text)); },
  wk_quit: function () { WakuseiPage.quit(); },
  wk_clock_changed: function () { WakuseiPage.clockChanged(); },
});
