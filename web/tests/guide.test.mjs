// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The teachers' guide in Japanese (docs/ja/README.md): long enough, written in Japanese (at most
// one ASCII letter for every four kana and kanji, outside code and link addresses), naming the
// devices, the steps and the program's buttons as the program shows them, and every picture it
// shows is there. The README links it in its first lines.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { root } from './browser.mjs';

const guidePath = path.join(root, 'docs', 'ja', 'README.md');
const guide = fs.readFileSync(guidePath, 'utf8');

// The text a reader reads: no comments, code or link addresses.
export function prose(markdown) {
  return markdown
    .replace(/<!--[\s\S]*?-->/g, '')
    .replace(/```[\s\S]*?```/g, '')
    .replace(/`[^`\n]*`/g, '')
    .replace(/\]\([^)]*\)/g, ']')
    .replace(/<https?:[^>]*>/g, '');
}

// Hiragana, katakana (with the long-vowel mark), kanji and the repeat mark 々.
export const japanese = (text) => (text.match(/[\u3041-\u3096\u309d\u309e\u30a1-\u30fa\u30fc-\u30fe\u3400-\u4dbf\u4e00-\u9fff\u3005]/gu) || []).length;
export const letters = (text) => (text.match(/[A-Za-z]/g) || []).length;

test('the counting itself: kana and kanji, not punctuation; letters outside code and links', () => {
  const cases = [
    // [markdown, kana and kanji, ASCII letters]
    ['惑星の動き', 5, 0],
    ['「ホーム画面に追加」。、', 8, 0],
    ['iPad で開きます', 5, 4],
    ['`sha256sum -c` を使う', 3, 0],
    ['[案内](https://example.org/abc) です', 4, 0],
    ['![図](images/a.png)', 1, 0],
    ['<!-- a comment, GPL -->本文', 2, 0],
    ['```\ncode here\n```\n々', 1, 0],
  ];
  for (const [md, jp, abc] of cases) {
    assert.equal(japanese(prose(md)), jp, md);
    assert.equal(letters(prose(md)), abc, md);
  }
});

test('the guide is long, and Japanese: 3,000 kana and kanji, one ASCII letter to four at most', () => {
  const text = prose(guide);
  const jp = japanese(text);
  const abc = letters(text);
  assert.ok(jp >= 3000, `${jp} kana and kanji`);
  assert.ok(abc * 4 <= jp, `${abc} ASCII letters for ${jp} kana and kanji`);
  // です・ます: polite endings throughout, not the plain style.
  assert.ok((text.match(/ます。|です。|ください。/g) || []).length >= 60, 'written in です・ます調');
  assert.equal((text.match(/である。|だ。/g) || []).length, 0, 'no plain style');
});

test('the guide names the devices, the steps and what the issue asks of it', () => {
  const words = [
    'Chromebook', 'iPad', 'Windows', 'ホーム画面に追加', 'Safari', '共有', 'Edge', 'Google ドライブ',
    'Classroom', '中学3年', '地球と宇宙', '見かけの動き', 'Webクリップ', 'Google 管理コンソール',
    '強制インストール', 'Pages', 'オフライン', '音が出ない', 'どこにもデータを送りません',
  ];
  for (const w of words) assert.ok(guide.includes(w), w);
  // The types a web host must send, as a table.
  for (const [ext, type] of [['.html', 'text/html'], ['.js', 'text/javascript'],
    ['.webmanifest', 'application/manifest+json'], ['.png', 'image/png']]) {
    assert.match(guide, new RegExp(`\\| \`\\${ext}\` \\| \`${type.replace('+', '\\+')}\` \\|`), ext);
  }
});

test('the guide names the buttons as the program shows them', () => {
  const captions = [
    '始める', '動かす', '止める', '地球を止める', '地球を動かす', '足跡を消す', '土星まで表示する',
    '火星まで表示する', '地球を中心に動かす', '太陽を中心に動かす', 'これを地上から見ると\u2026', '終わる',
    '地球から見ると', '停める', '閉じる', '星座を消す', '星座を表す', '動きを遅くします',
    'クリックで地球の週回数を0に戻します', '地球とニアミス！', 'もう一度始める', 'このブラウザーでは動きません。',
  ];
  for (const c of captions) assert.ok(guide.includes(`「${c}」`), `「${c}」`);
  // A caption quoted in a table or a step is one of those, not a near miss such as 停止.
  const quoted = new Set([...guide.matchAll(/\| 「([^」]+)」 \|/g)].map((m) => m[1]));
  for (const q of quoted) assert.ok(captions.includes(q), `「${q}」 is a caption of the program`);
});

test('every picture the guide shows exists, and every picture in its folder is shown', () => {
  const shown = [...guide.matchAll(/!\[[^\]]*\]\(([^)\s]+)\)/g)].map((m) => m[1]);
  assert.ok(shown.length >= 6, `${shown.length} pictures`);
  for (const src of shown) {
    assert.doesNotMatch(src, /^[a-z]+:|^\//, `${src} lies beside the guide`);
    assert.ok(fs.existsSync(path.join(path.dirname(guidePath), src)), `${src} exists`);
  }
  const images = path.join(path.dirname(guidePath), 'images');
  for (const f of fs.readdirSync(images).filter((n) => n.endsWith('.png'))) {
    assert.ok(shown.includes(`images/${f}`), `images/${f} is shown`);
  }
});

test('the README links the guide within its first 20 lines', () => {
  const first = fs.readFileSync(path.join(root, 'README.md'), 'utf8').split('\n').slice(0, 20).join('\n');
  assert.match(first, /\]\(docs\/ja\/README\.md\)/);
});
