"""Finds sound files in what the game played (SDL's disk audio output).

usage: audio_check.py OUTPUT.raw SOUNDS_DIR NAME...
The output is float32 stereo at 44100 Hz. Each named sample is decoded with
sox and looked for by normalised cross-correlation; a sample that was played
stands out however the other sounds mix over it.
"""
import subprocess
import sys

import numpy as np


def mono_of_raw(path):
    data = np.fromfile(path, dtype=np.float32)
    return data[: len(data) // 2 * 2].reshape(-1, 2).mean(axis=1)


def mono_of_sample(path):
    raw = subprocess.run(["sox", path, "-t", "f32", "-r", "44100", "-c", "1", "-"], check=True,
                         capture_output=True).stdout
    return np.frombuffer(raw, dtype=np.float32)


def best_match(signal, template):
    """The highest normalised correlation of the template anywhere in the signal."""
    template = template[: 44100 // 4]  # its first quarter second is plenty and keeps the sums short
    template = template - template.mean()
    n = len(signal) + len(template)
    size = 1 << (n - 1).bit_length()
    corr = np.fft.irfft(np.fft.rfft(signal, size) * np.conj(np.fft.rfft(template, size)), size)[: len(signal) - len(template)]
    energy = np.concatenate(([0.0], np.cumsum(signal.astype(np.float64) ** 2)))
    window = energy[len(template):len(signal)] - energy[: len(signal) - len(template)]
    norm = np.sqrt(np.maximum(window, 1e-12)) * np.sqrt(float(np.sum(template.astype(np.float64) ** 2)))
    return float(np.max(corr / norm)) if len(corr) else 0.0


def main():
    signal = mono_of_raw(sys.argv[1])
    failed = False
    seconds = len(signal) / 44100
    print("# %.1f s of sound, peak %.2f" % (seconds, float(np.max(np.abs(signal))) if len(signal) else 0))
    for name in sys.argv[3:]:
        score = best_match(signal, mono_of_sample("%s/%s" % (sys.argv[2], name)))
        ok = score > 0.5
        failed |= not ok
        print("%s - %s is in the sound output (match %.2f)" % ("ok" if ok else "FAIL", name, score))
    sys.exit(1 if failed else 0)


main()
