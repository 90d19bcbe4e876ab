#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets whose inputs are binary records
(enum_list and audio_block) into seeds/<target>/, in the layouts their
decoders describe. Run it again after changing a layout."""
import math
import pathlib
import struct

SEEDS = pathlib.Path(__file__).resolve().parent / "seeds"

PIN_SET, STREAM_START, STREAM_STOP, MIDI, GRAPH_START = 100, 101, 102, 103, 104
SLIDER, SLIDER2, LIST_ENTRY, SCOPE, TRIGGER_SCOPE = range(5)
CONSTANT, SINE, RAMP, RAW = range(4)


def write(target, name, data):
    folder = SEEDS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def enum_list(name, text, value=0, ordinal=0, wide=False):
    encoded = text.encode("utf-16-le") if wide else text.encode("latin-1")
    write("enum_list", name, struct.pack("<Bii", 1 if wide else 0, value, ordinal) + encoded)


def event(time, kind, pin=-1, value=b"", size=None, extra=False):
    """One event record; a value of up to 8 bytes travels inline unless extra is set."""
    size = len(value) if size is None else size
    if extra or len(value) > 8:
        return struct.pack("<6iH", time, kind, pin, size, 0, 0, len(value)) + value
    inline = value.ljust(8, b"\0")
    return struct.pack("<4i", time, kind, pin, size) + inline + struct.pack("<H", 0)


def value_event(time, pin, value, **options):
    return event(time, PIN_SET, pin, value, **options)


def f32(x):
    return struct.pack("<f", x)


def i32(x):
    return struct.pack("<i", x)


def block(frames, events=(), inputs=(), voice_mask=0):
    data = struct.pack("<hB", frames, voice_mask)
    for kind, level, *raw in inputs:
        data += struct.pack("<Bf", kind, level) + (b"".join(f32(s) for s in raw[0]) if kind == RAW else b"")
    return data + struct.pack("<B", len(events)) + b"".join(events)


def audio_block(name, processor, blocks, voices=1, polyphonic=False, rate=48000.0, countdown=64):
    header = struct.pack("<BBfi", processor, (voices - 1) | (0x80 if polyphonic else 0), rate, countdown)
    write("audio_block", name, header + b"".join(blocks))


def enum_lists():
    slider = "Slider,H-Slider=2,Knob,Button, Button (toggle), Knob (small)=7, Button(small), Button (small toggle)"
    enum_list("slider-appearances", slider, value=7, ordinal=5)
    enum_list("slider2-appearances", "None=-1," + slider, value=-1, ordinal=0)
    enum_list("list-entry-appearances", "Dropdown, LED Stack, LED Stack (labelled), Selector, Button Stack, "
              "Rot Switch=5,Rot Switch (no labels), Up/Down Select", value=6, ordinal=7, wide=True)
    enum_list("range", "range 1,4", value=3, ordinal=2)
    enum_list("range-empty", "range 5,2", value=5, ordinal=0)
    enum_list("range-negative", "range -3,3", value=-1, ordinal=6, wide=True)
    enum_list("explicit-values", "a=3,b,c=10,d", value=11, ordinal=3)
    enum_list("spaced-label", "  spaced label  =7", value=7)
    enum_list("empty", "")
    enum_list("regression-find-in-huge-range", "range -2147483648,2147483647", value=2147483647, ordinal=2147483646)


def sine(n, period=37.0):
    return [math.sin(2 * math.pi * i / period) for i in range(n)]


def audio_blocks():
    graph = event(0, GRAPH_START)
    audio_block("slider-steps", SLIDER, [
        block(64, [graph, value_event(0, 0, f32(5.0))]),
        block(64, [value_event(32, 0, f32(10.0))]),
        *[block(64) for _ in range(8)],
        block(64, [value_event(0, 0, f32(10.0))]),
        *[block(64) for _ in range(4)],
    ])
    audio_block("slider2-odd-blocks", SLIDER2, [
        block(1, [graph, value_event(0, 0, f32(-3.0))]),
        block(0),
        block(17, [value_event(3, 0, f32(2.0)), value_event(3, 0, f32(4.0)), value_event(16, 0, f32(8.0))]),
        block(4096),
        block(-1, [value_event(0, 0, f32(1.0))]),
        block(333, [value_event(332, 0, f32(0.0))]),
    ])
    audio_block("slider-disordered", SLIDER, [
        block(64, [graph, value_event(40, 0, f32(1.0)), value_event(10, 0, f32(2.0)),
                   value_event(-5, 0, f32(3.0)), value_event(100, 0, f32(4.0))]),
        block(64, [value_event(0, 0, f32(float("nan"))), value_event(8, 7, f32(1.0)), value_event(9, -1, f32(1.0))]),
        block(64, [value_event(2, 0, f32(6.0), extra=True), value_event(4, 0, f32(7.0)[:2]),
                   value_event(5, 0, f32(7.0), size=1000), value_event(6, 0, b"", size=-4)]),
        block(64, [event(1, STREAM_START, 1), event(1, MIDI, 0), event(1, 999, 0), event(2, STREAM_STOP, 1)]),
    ])
    audio_block("list-entry-values", LIST_ENTRY, [
        block(32, [graph, value_event(0, 0, i32(3))]),
        block(32, [value_event(10, 0, i32(5)), value_event(10, 0, i32(7)), value_event(31, 0, i32(-1))]),
        block(32, [value_event(0, 1, i32(9)), value_event(40, 0, i32(2))]),
        block(32),
    ])
    scope_inputs = [(SINE, 1.0), (SINE, 0.5)]
    audio_block("scope-captures", SCOPE, [
        block(256, [graph, event(0, STREAM_START, 2), event(0, STREAM_START, 3), value_event(0, 4, f32(1.0))],
              scope_inputs),
        *[block(256, [], scope_inputs) for _ in range(6)],
        block(256, [event(100, STREAM_STOP, 2), event(100, STREAM_STOP, 3)], [(CONSTANT, 0.0), (CONSTANT, 0.25)]),
        *[block(512, [], [(CONSTANT, 0.0), (CONSTANT, 0.25)]) for _ in range(8)],
    ])
    audio_block("scope-voices", SCOPE, [
        block(128, [graph, event(0, STREAM_START, 2), value_event(0, 4, f32(1.0))], scope_inputs, voice_mask=1),
        block(128, [graph, event(0, STREAM_START, 2), value_event(5, 4, f32(1.0))], scope_inputs, voice_mask=2),
        *[block(128, [], scope_inputs) for _ in range(4)],
        block(128, [value_event(0, 4, f32(0.0))], scope_inputs, voice_mask=2),
        block(128, [value_event(0, 0, bytes(1600))], [(RAW, 0.0, [float("inf"), float("nan"), -1.0, 1.0])] * 2),
    ], voices=2, polyphonic=True)
    trigger_inputs = [(RAMP, 1.0), (SINE, 1.0), (SINE, 0.25)]
    audio_block("trigger-scope-captures", TRIGGER_SCOPE, [
        block(200, [graph, event(0, STREAM_START, 0), event(0, STREAM_START, 3), event(0, STREAM_START, 4)],
              trigger_inputs),
        *[block(200, [], trigger_inputs) for _ in range(6)],
        block(200, [event(0, STREAM_STOP, 0)], [(CONSTANT, 0.0), (SINE, 1.0), (SINE, 0.25)]),
        *[block(1000, [], [(CONSTANT, 0.0), (CONSTANT, 0.0), (CONSTANT, 0.0)]) for _ in range(4)],
    ], rate=44100.0, countdown=0)


if __name__ == "__main__":
    enum_lists()
    audio_blocks()
