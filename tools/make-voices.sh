#!/usr/bin/env bash
# Writes the demo's spoken lines (examples/demo/Voice/qN.wav and aN.wav) with the espeak-ng
# speech synthesizer (Debian package espeak-ng), as small 11025 Hz 8-bit mono files. Run once
# when the lines change; the files are kept in the repository, so neither the build nor the
# tests need the synthesizer.
set -euo pipefail
out="${1:-examples/demo/Voice}"
mkdir -p "$out"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The player asks (N, text); old Abel answers, slower and lower.
questions=(
  "Who are you?"
  "What happened to the lantern?"
  "How do I light it again?"
  "Tell me about the gulls."
  "Where is the key to the tower?"
  "Goodbye, Abel."
)
answers=(
  "Abel. I kept the light for forty years, before my eyes went."
  "Seven nights dark. The new keeper took ill, and the lamp ran dry."
  "Oil from the beach and a wick from the cottage make fuel. Here, take my matches."
  "Hear them? They cry before a storm."
  "On its hook in the cottage, where it always hangs."
  "Mind the tide."
)

shrink() { # 16-bit espeak output to 11025 Hz 8-bit mono
  python3 - "$1" "$2" <<'PY'
import sys, wave, warnings
warnings.simplefilter("ignore")
import audioop
src, dst = sys.argv[1], sys.argv[2]
with wave.open(src) as w:
    rate, width, frames = w.getframerate(), w.getsampwidth(), w.readframes(w.getnframes())
frames, _ = audioop.ratecv(frames, width, 1, rate, 11025, None)
frames = audioop.bias(audioop.lin2lin(frames, width, 1), 1, 128)
with wave.open(dst, "wb") as w:
    w.setnchannels(1); w.setsampwidth(1); w.setframerate(11025); w.writeframes(frames)
PY
}

for i in "${!questions[@]}"; do
  n=$((i + 1))
  espeak-ng -v en-us+f3 -s 160 -w "$tmp/q.wav" "${questions[$i]}"
  espeak-ng -v en-gb-scotland -s 130 -p 30 -w "$tmp/a.wav" "${answers[$i]}"
  shrink "$tmp/q.wav" "$out/q$n.wav"
  shrink "$tmp/a.wav" "$out/a$n.wav"
done
