// Reads an ADIF file back with an independent ADIF library (tcadif, which checks every field's
// data type and enumeration) and accounts for every entry of the log it was made from.
// Usage: node adif_check.js FILE.adi FILE.LOG   (NODE_PATH names the folder holding tcadif)
'use strict';
const fs = require('fs');
const { ADIF } = require('tcadif');

const [adiPath, logPath] = process.argv.slice(2);
const failures = [];
const fail = (text) => failures.push(text);

const adif = ADIF.parse(fs.readFileSync(adiPath, 'latin1')).toObject();

// The log's fields, read here on their own terms: nine TAB-separated fields before the first
// 0xFF (or seven in the older layout), then the notes.
const months = 'JanFebMarAprMayJunJulAugSepOctNovDec';
const ascii = (s) => s.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
const entries = [];
for (const line of fs.readFileSync(logPath, 'latin1').split(/\r?\n/)) {
  if (line.trim() === '') continue;
  const [head, ...notes] = line.split('\xff');
  let f = head.split('\t');
  if (f.length === 7) f = [f[0], f[1], f[2], f[3], f[4], '', f[5], '', f[6]];
  if (f.length < 9) continue;
  const [freq, unit, time, date, mode, , sinpo, call, station] = f.map((x) => x.trim());
  const yy = Number(date.slice(7, 9));
  const month = months.indexOf(date.slice(3, 6)) / 3 + 1;
  entries.push({
    FREQ: Number(freq) / (unit === 'kHz' ? 1000 : 1),
    QSO_DATE: String(yy >= 90 ? 1900 + yy : 2000 + yy) + String(month).padStart(2, '0') + date.slice(0, 2),
    TIME_ON: time.slice(0, 4),
    CALL: ascii(call || station).toUpperCase(),  // tcadif gives calls in capitals
    NAME: ascii(station),
    RST_RCVD: sinpo,
    MODE: { AM: 'AM', FM: 'FM', CW: 'CW', RTTY: 'RTTY', LSB: 'SSB', USB: 'SSB' }[mode.toUpperCase()],
    COMMENT: ascii(notes.map((n) => n.slice(2).trim()).filter((n) => n).join(' ')),
  });
}

if (adif.qsos.length !== entries.length) {
  fail(`${adif.qsos.length} records for ${entries.length} entries`);
}
entries.forEach((want, i) => {
  const got = adif.qsos[i] || {};
  if (got.SWL !== 'Y') fail(`record ${i + 1}: SWL ${got.SWL}`);
  if (Math.abs(Number(got.FREQ) - want.FREQ) > 5e-6) fail(`record ${i + 1}: FREQ ${got.FREQ} for ${want.FREQ}`);
  for (const key of ['QSO_DATE', 'TIME_ON', 'CALL', 'NAME', 'RST_RCVD', 'MODE', 'COMMENT']) {
    const expected = want[key] || undefined;
    if (got[key] !== expected) fail(`record ${i + 1}: ${key} "${got[key]}" for "${expected}"`);
  }
});
if (failures.length) {
  console.error(failures.join('\n'));
  process.exit(1);
}
console.log(`${entries.length} entries read back from ${adiPath}`);
