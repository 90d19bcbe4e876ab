#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets whose inputs are binary records
(enum_list, audio_block and gui_pins) into seeds/<target>/, in the layouts their
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


# gui_pins steps
PIN, INITIALIZE, MEASURE, ARRANGE, RENDER, POINTER, DRAG, ADVANCE, MENU_CHOICE, TYPE_TEXT = range(10)
DOWN, MOVE, UP = range(3)
SHIFT, CONTROL, ALT = 1, 2, 4


def pin(pin_id, value, voice=0):
    """A pin value record; ids and voices outside the short forms travel as i32."""
    data = struct.pack("<b", pin_id) if -128 <= pin_id < 127 else struct.pack("<bi", 127, pin_id)
    data += struct.pack("<B", voice) if 0 <= voice < 255 else struct.pack("<Bi", 255, voice)
    return data + struct.pack("<H", len(value)) + value


def text(value):
    return value.encode("utf-16-le")


def step(kind, *fields):
    return struct.pack("<B", kind) + b"".join(fields)


def set_pin(pin_id, value, voice=0):
    return step(PIN, pin(pin_id, value, voice))


def rect(left, top, right, bottom):
    return struct.pack("<4f", left, top, right, bottom)


def pointer(call, x, y, keys=0):
    return step(POINTER, struct.pack("<BBff", call, keys, x, y))


def drag(x0, y0, x1, y1, moves=8, keys=0):
    return step(DRAG, struct.pack("<4fBB", x0, y0, x1, y1, moves, keys))


def advance(ms):
    return step(ADVANCE, struct.pack("<H", ms))


def typed(value):
    encoded = value.encode("utf-8")
    return step(TYPE_TEXT, struct.pack("<B", len(encoded)) + encoded)


def gui_pins(name, panel, early, steps=(), size=(100, 100), bounds=(0, 0, 100, 100), no_graphics_host=False):
    data = struct.pack("<BBB", panel, 1 if no_graphics_host else 0, len(early)) + b"".join(early)
    data += struct.pack("<2f", *size) + rect(*bounds)
    write("gui_pins", name, data + b"".join(steps))


def capture(samples):
    return b"".join(f32(s) for s in samples)


def sliders():
    # "ZU Slider": value 13, hint 14, appearance 15, title 16, normalized 17, menu items 18,
    # menu selection 19, mouse down 20, range 21..22, readout 23.
    slider = [pin(21, f32(0.0)), pin(22, f32(10.0)), pin(13, f32(2.5)), pin(15, i32(0)), pin(23, b"\1"),
              pin(16, text("Gain")), pin(18, text("Off,On"))]
    gui_pins("slider-vertical", SLIDER, slider, [
        drag(30, 60, 30, 10), step(RENDER), pointer(DOWN, 30, 130), typed("  +7.5"), pointer(UP, 30, 130),
        step(RENDER), pointer(DOWN, 30, 40, ALT), pointer(UP, 30, 40, ALT), step(RENDER),
    ], size=(200, 200), bounds=(0, 0, 60, 150))
    for appearance in range(-1, 11):
        gui_pins(f"slider-appearance-{appearance}", SLIDER, slider + [pin(15, i32(appearance))], [
            drag(30, 20, 30, 40, 4, SHIFT), step(ARRANGE, rect(0, 0, 80, 120)), step(RENDER),
        ], bounds=(0, 0, 60, 120))
    # "ZU Slider2": value 0, name 1, menu items 2, menu selection 3, mouse down 4, range 5..6,
    # reset value 7, appearance 8, readout 9.
    slider2 = [pin(5, f32(-1.0)), pin(6, f32(1.0)), pin(0, f32(0.25)), pin(7, f32(0.5)), pin(8, i32(3)),
               pin(9, b"\1"), pin(1, text("Pan"))]
    gui_pins("slider2-knob", SLIDER2, slider2, [
        drag(30, 30, 30, -200, 15), step(RENDER), pointer(DOWN, 30, 30, ALT), step(RENDER),
        set_pin(6, f32(-1.0)), step(RENDER), set_pin(0, f32(float("nan"))), step(RENDER),
        pointer(DOWN, 30, 80), typed("not a number"), pointer(UP, 30, 80), step(RENDER),
    ], bounds=(0, 0, 60, 100))
    gui_pins("slider2-odd-sizes", SLIDER2, [pin(0, b"\1\2"), pin(8, b""), pin(9, i32(1)), pin(1, b"x"),
                                            pin(5, f32(float("inf"))), pin(6, bytes(9))], [
        step(MEASURE, struct.pack("<2f", float("nan"), -1)), step(ARRANGE, rect(0, 0, float("inf"), 50)),
        step(RENDER), pointer(DOWN, float("nan"), float("inf")), pointer(MOVE, 1e30, -1e30), pointer(UP, 0, 0),
    ])


def list_entries():
    # "ZU List Entry": value 10, hint 11, enumeration list 12, appearance 13.
    for appearance in range(8):
        early = [pin(12, text("a=1,b=5,c")), pin(10, i32(5)), pin(13, i32(appearance)), pin(11, text("Mode"))]
        gui_pins(f"list-entry-appearance-{appearance}", LIST_ENTRY, early, [
            step(MENU_CHOICE, i32(2)), pointer(DOWN, 10, 10), pointer(UP, 10, 10), step(RENDER),
            drag(20, 20, 20, 60, 6), step(RENDER), pointer(DOWN, 60, 10), pointer(UP, 60, 10),
            set_pin(12, text("Off,On")), step(RENDER), set_pin(12, text("range 1,4")), set_pin(10, i32(3)),
            step(RENDER),
        ], size=(200, 200), bounds=(0, 0, 120, 100))
    gui_pins("list-entry-huge-range", LIST_ENTRY, [pin(13, i32(4)), pin(12, text("range -2147483648,2147483647")),
                                                   pin(10, i32(2147483647))], [
        step(RENDER), pointer(DOWN, 5, 5), step(RENDER),
    ], bounds=(0, 0, 100, 400))


def scopes():
    wave = capture(sine(400, 100.0))
    ramp = capture([i / 200.0 - 1.0 for i in range(400)])
    bounds = (0, 0, 400, 215)
    gui_pins("scope-captures", SCOPE, [pin(0, wave), pin(1, ramp)], [
        step(RENDER), advance(100), step(RENDER), advance(1000), step(RENDER),
        set_pin(0, wave[:1596]), step(RENDER), step(ARRANGE, rect(0, 0, 100, 0)), step(RENDER),
    ], bounds=bounds)
    gui_pins("scope-voices", SCOPE, [pin(4, b"\1"), pin(3, f32(1.0), 3), pin(0, wave, 3), pin(1, ramp, 7),
                                     pin(0, wave, 127), pin(0, wave, 128)], [
        step(RENDER), advance(20), set_pin(3, f32(0.0), 3), advance(600), step(RENDER), set_pin(4, b"\0"),
        step(RENDER), advance(1000),
    ], bounds=bounds)
    gui_pins("trigger-scope-captures", TRIGGER_SCOPE, [pin(0, wave), pin(1, wave)], [
        step(RENDER), advance(50), set_pin(0, capture([float("nan"), float("inf")] * 200)), step(RENDER),
        step(ARRANGE, rect(0, 0, 30, 30)), step(RENDER), advance(700),
    ], bounds=bounds)
    gui_pins("scope-no-graphics-host", SCOPE, [pin(0, wave)], [step(RENDER), advance(20)], bounds=bounds,
             no_graphics_host=True)


if __name__ == "__main__":
    enum_lists()
    audio_blocks()
    sliders()
    list_entries()
    scopes()
