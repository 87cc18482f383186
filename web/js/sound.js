// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound and speech: the beep through WebAudio, and messages for screen readers.

let audio = null;

// Browsers keep sound off until the user has done something; the context is made then.
function unlockAudio() {
  const Context = window.AudioContext || window.webkitAudioContext;
  if (!Context) return;
  try {
    if (!audio) audio = new Context();
    if (audio.state === 'suspended') audio.resume().catch(() => {});
  } catch (e) {
    audio = null;
  }
}

export function listenForSound() {
  document.addEventListener('click', unlockAudio, true);
  document.addEventListener('keydown', unlockAudio, true);
}

export function beep() {
  if (!audio || audio.state !== 'running') return;
  try {
    const t = audio.currentTime;
    const osc = audio.createOscillator();
    const gain = audio.createGain();
    osc.type = 'sine';
    osc.frequency.value = 880;
    gain.gain.setValueAtTime(0.0001, t);
    gain.gain.exponentialRampToValueAtTime(0.08, t + 0.01);
    gain.gain.exponentialRampToValueAtTime(0.0001, t + 0.1);
    osc.connect(gain).connect(audio.destination);
    osc.start(t);
    osc.stop(t + 0.11);
  } catch (e) {
    // No sound then: the message line still shows.
  }
}

export function announce(formId, t) {
  const live = document.getElementById('live');
  // The same text again must still be spoken: a changed text node is a new announcement.
  live.textContent = live.textContent === t ? t + '\u00a0' : t;
}
