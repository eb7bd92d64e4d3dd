#!/usr/bin/env python3
"""Makes Avviso.mp3, the deadlines alert: a soft two-note chime of about 1.3 s.

The tone is synthesised here (two bell-like notes with a few partials and an
exponential fade) and encoded with the LAME library through ctypes, so only
libmp3lame is needed. The committed Avviso.mp3 was made with:

    python3 make_chime.py Avviso.mp3
"""
import ctypes
import ctypes.util
import math
import struct
import sys

RATE = 22050


def note(freq, start, length, samples):
    first = int(start * RATE)
    for i in range(int(length * RATE)):
        t = i / RATE
        attack = min(1.0, t / 0.006)
        fade = math.exp(-t * 3.2)
        v = (math.sin(2 * math.pi * freq * t)
             + 0.35 * math.sin(2 * math.pi * 2.0 * freq * t) * math.exp(-t * 6)
             + 0.12 * math.sin(2 * math.pi * 3.01 * freq * t) * math.exp(-t * 9))
        if first + i < len(samples):
            samples[first + i] += 0.30 * attack * fade * v


def main(out):
    total = 1.35
    samples = [0.0] * int(total * RATE)
    note(1318.5, 0.00, 1.35, samples)  # E6
    note(1046.5, 0.28, 1.07, samples)  # C6
    tail = int(0.08 * RATE)
    for k in range(tail):  # a short fade at the very end, no click
        samples[-1 - k] *= k / tail
    pcm = struct.pack('<%dh' % len(samples), *(int(max(-1, min(1, s)) * 32000) for s in samples))

    lame = ctypes.CDLL(ctypes.util.find_library('mp3lame') or 'libmp3lame.so.0')
    lame.lame_init.restype = ctypes.c_void_p
    gf = ctypes.c_void_p(lame.lame_init())
    lame.lame_set_in_samplerate(gf, RATE)
    lame.lame_set_out_samplerate(gf, RATE)
    lame.lame_set_num_channels(gf, 1)
    lame.lame_set_mode(gf, 3)  # mono
    lame.lame_set_brate(gf, 48)
    lame.lame_set_quality(gf, 2)
    lame.lame_set_bWriteVbrTag(gf, 0)
    if lame.lame_init_params(gf) < 0:
        raise SystemExit('lame_init_params failed')
    n = len(samples)
    buf = ctypes.create_string_buffer(int(1.25 * n + 7200))
    left = ctypes.create_string_buffer(pcm)
    size = lame.lame_encode_buffer(gf, left, left, n, buf, len(buf))
    if size < 0:
        raise SystemExit('lame_encode_buffer failed')
    data = buf.raw[:size]
    size = lame.lame_encode_flush(gf, buf, len(buf))
    data += buf.raw[:size]
    lame.lame_close(gf)
    with open(out, 'wb') as f:
        f.write(data)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'Avviso.mp3')
