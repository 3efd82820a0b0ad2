#!/usr/bin/env bash
# Writes resources/TavolaPrimi.rtf: the table of the prime numbers below
# 32000, ten a line separated by tabs under a heading, in the plain RTF that
# the program's rich-text reader reads (paragraphs, bold, sizes, centring,
# tabs; no font table, so the table box's own font family applies).
# The file is committed; run this again only to change the table.
set -euo pipefail
cd "$(dirname "$0")/.."
out="resources/TavolaPrimi.rtf"
limite=32000
per_riga=10   # the heading says "dieci per riga"

awk -v limite="$limite" -v per_riga="$per_riga" 'BEGIN {
  # Sieve of Eratosthenes below the limit.
  for (i = 2; i < limite; i++) primo[i] = 1
  for (i = 2; i * i < limite; i++)
    if (primo[i]) for (j = i * i; j < limite; j += i) primo[j] = 0
  n = 0
  for (i = 2; i < limite; i++) if (primo[i]) lista[++n] = i

  printf "{\\rtf1\\ansi\\ansicpg1252\\deff0\r\n"
  printf "\\pard\\qc\\b\\fs32 Tavola dei numeri primi minori di %d\\b0\\par\r\n", limite
  printf "\\pard\\qc\\fs22 Un numero primo si divide esattamente solo per 1 e per s\\'"'"'e9 stesso.\\par\r\n"
  printf "\\pard\\qc\\fs22 Sono %d, da %d a %d, dieci per riga.\\par\r\n", n, lista[1], lista[n]
  printf "\\pard\\par\r\n"
  riga = ""
  for (k = 1; k <= n; k++) {
    riga = riga (riga == "" ? "" : "\\tab ") lista[k]
    if (k % per_riga == 0 || k == n) {
      printf "\\pard\\fs26 %s\\par\r\n", riga
      riga = ""
    }
  }
  printf "}\r\n"
}' > "$out.tmp"
mv "$out.tmp" "$out"
echo "Written $out"
