// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound and speech: the beep through WebAudio, and messages for screen readers.
//
// A running AudioContext keeps an audio pipeline busy even when silent, all lesson long; so the
// context runs only while a beep sounds, and is suspended again once it has played.

let audio = null;
let sounding = 0; // beeps started and not yet ended
let resting = false; // suspended, or about to be

function rest() {
  if (audio && sounding === 0 && !resting && audio.suspend) {
    resting = true;
    audio.suspend().catch(() => {});
  }
}

// Browsers keep sound off until the user has done something; the context is made then, and
// started once in that moment, which lets later beeps start it again without the user.
function unlockAudio() {
  if (audio) return;
  const Context = window.AudioContext || window.webkitAudioContext;
  if (!Context) return;
  try {
    audio = new Context();
    if (audio.state === 'suspended') audio.resume().then(rest, () => {});
    else rest();
  } catch (e) {
    audio = null;
  }
}

export function listenForSound() {
  document.addEventListener('click', unlockAudio, true);
  document.addEventListener('keydown', unlockAudio, true);
}

export function beep() {
  if (!audio || audio.state === 'closed') return;
  try {
    // While the context is suspended its clock stands still: the beep starts as it resumes.
    if (resting || audio.state !== 'running') {
      resting = false;
      audio.resume().catch(() => {});
    }
    const t = audio.currentTime;
    const osc = audio.createOscillator();
    const gain = audio.createGain();
    osc.type = 'sine';
    osc.frequency.value = 880;
    gain.gain.setValueAtTime(0.0001, t);
    gain.gain.exponentialRampToValueAtTime(0.08, t + 0.01);
    gain.gain.exponentialRampToValueAtTime(0.0001, t + 0.1);
    osc.connect(gain).connect(audio.destination);
    // Silent after 0.1 s; it ends a little later so that the sound has left the speakers
    // before the context is suspended.
    osc.onended = () => {
      sounding--;
      osc.disconnect();
      gain.disconnect();
      rest();
    };
    osc.start(t);
    osc.stop(t + 0.2);
    sounding++;
  } catch (e) {
    // No sound then: the message line still shows.
  }
}

export function announce(formId, t) {
  const live = document.getElementById('live');
  // The same text again must still be spoken: a changed text node is a new announcement.
  live.textContent = live.textContent === t ? t + '\u00a0' : t;
}
