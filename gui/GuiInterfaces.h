// The binary interface between panels and their host, declared once.
//
// The conventions of framework/MpInterfaces.h hold here too: abstract
// classes in slot order, int32_t results (0 success, -1 failure, -2 not
// offered), const MpGuid& identifiers, out parameters as pointers, no virtual
// destructor among host slots. Slots count from 0; 0 to 2 are queryInterface,
// addRef and release. A "reserved" slot keeps its place; the library never
// calls it, and where the library implements it, it answers as noted.
//
// Value types: MpPoint and MpSize go by value, MpRect and MpColor as const
// pointers (on x64 Windows the same machine code as a 16-byte struct by
// value). The first generation's MpSizeI goes by value, MpRectI as a const
// pointer. Text handed to the host is UTF-8 (or an 8-bit name), terminated
// unless a length is passed.
//
// Objects that the host hands out with no identifier listed here (brushes,
// the drawing factory, path geometries, sinks, text formats) are used as the
// pointer the host gave and handed back to it unchanged. Every GUI-side call
// comes on the host's GUI thread.
//
// Slot table (panel side, implemented by the library):
//   IMpUserInterface2   3 setHost  4 initialize  5 setPin  6-9 reserved (-1)
//   IMpUserInterface    3 reserved (0)  4 setPin  5 notifyPin  6-8 reserved (0)
//   IMpGraphics         3 measure  4 arrange  5 render  6 onPointerDown
//                       7 onPointerMove  8 onPointerUp
//   IMpGraphicsWinGdi   3 measure  4 arrange  5 openWindow  6 closeWindow
//   IZuGraphicsComposited 3 reserved (0)  4 measure  5 arrange  6-10 reserved (0)
//   IMpString           3 setData  4 getSize  5 getData
// Slot table (host side, called by the library):
//   GUI host (both)     3 pinTransmit; second generation also 4-6 reserved,
//                       7 prepareResources  8 resolveResourceName  9 openResource
//   IMpGraphicsHost     3 reserved  4 invalidateRect  5 invalidateMeasure
//                       6 createTextFormat  7 reserved  8 createPlatformMenu
//                       9 setCapture  10 getCapture  11 releaseCapture
//                       12 createPlatformTextEdit  13 reserved  14 loadImage
//   IMpDrawingContext   3 getFactory  4 createSolidColorBrush  5 reserved
//                       6 fillRectangle  7 drawLine  8 drawGeometry  9 drawText
//                       10 drawBitmap
//   IMpDrawingFactory   3 createPathGeometry
//   IMpPathGeometry     3 open
//   IMpGeometrySink     3 beginFigure  4 addLine  5 endFigure  6 close
//   IMpSolidColorBrush  3 setColor
//   IMpTextFormat       3 setTextAlignment  4 setParagraphAlignment  5 getTextExtent
//   IMpBitmap           3 getBitmapSize  4 lockPixels
//   IMpBitmapPixels     3 getPixelAddress  4 getBytesPerRow
//   IMpFile             3 getFileSize  4 readFile
//   IMpPlatformMenu     3 addItem  4 setAlignment  5 showMenu
//   IMpPlatformText     3 setAlignment  4 setText  5 showEditor
#pragma once

#include <cstdint>

#include "framework/MpInterfaces.h"

namespace gmpi {

// clang-format off
inline constexpr MpGuid MP_IID_GUI_PLUGIN{0xCACB3203, 0x4A57, 0x4209, {0x9E, 0x00, 0x0C, 0x4B, 0x95, 0x04, 0x57, 0xF6}};
inline constexpr MpGuid MP_IID_GUI_PLUGIN2{0x9CD06775, 0xF5C2, 0x4321, {0x81, 0x2D, 0x09, 0x58, 0x15, 0x32, 0x94, 0xB8}};
inline constexpr MpGuid MP_IID_UI_HOST{0x174F9DDC, 0x1850, 0x40DB, {0xBA, 0xF0, 0xE0, 0xB4, 0x1D, 0x07, 0x96, 0x45}};
inline constexpr MpGuid MP_IID_UI_HOST2{0xDE009D92, 0xE281, 0x4F92, {0x99, 0x96, 0x20, 0x0F, 0x49, 0x69, 0x00, 0x28}};
inline constexpr MpGuid MP_IID_RETURNSTRING{0xAB8FFB21, 0x44FF, 0x42B7, {0x88, 0x85, 0x29, 0x43, 0x13, 0x99, 0xE7, 0xE4}};
inline constexpr MpGuid MP_IID_FILE{0xCEA854B2, 0xE0B9, 0x4858, {0x92, 0x31, 0x77, 0xF2, 0x0E, 0xB0, 0x10, 0x20}};

// Panel, second generation: every panel of this library. GUI thread.
class IMpUserInterface2 : public IMpUnknown {
public:
    virtual int32_t setHost(IMpUnknown* host) = 0;                                     // 3: the host object; the panel asks it for its host interfaces
    virtual int32_t initialize() = 0;                                                  // 4: first delivery of pin values is over
    virtual int32_t setPin(int32_t pinId, int32_t voice, int32_t size, const void* data) = 0;  // 5: a pin's value (bytes valid during the call); -1 for no such pin
    virtual int32_t reserved6() = 0;                                                   // 6: reserved; answers -1
    virtual int32_t reserved7() = 0;                                                   // 7: reserved; answers -1
    virtual int32_t reserved8() = 0;                                                   // 8: reserved; answers -1
    virtual int32_t reserved9() = 0;                                                   // 9: reserved; answers -1
};

// Panel, first generation: the native-window and composited bases. GUI thread.
class IMpUserInterface : public IMpUnknown {
public:
    virtual int32_t reserved3() = 0;                                                   // 3: reserved; answers 0
    virtual int32_t setPin(int32_t pinId, int32_t voice, int32_t size, const void* data) = 0;  // 4: stores a pin's value without notifying
    virtual int32_t notifyPin(int32_t pinId, int32_t voice) = 0;                       // 5: runs the pin's handler for voice
    virtual int32_t reserved6() = 0;                                                   // 6: reserved; answers 0
    virtual int32_t reserved7() = 0;                                                   // 7: reserved; answers 0
    virtual int32_t reserved8() = 0;                                                   // 8: reserved; answers 0
};

// The host's GUI services, first generation (MP_IID_UI_HOST). GUI thread.
class IMpUserInterfaceHost : public IMpUnknown {
public:
    virtual int32_t pinTransmit(int32_t pinId, int32_t size, const void* data, int32_t voice) = 0;  // 3: the panel's new pin value; bytes copied in the call
};

// The host's GUI services, second generation (MP_IID_UI_HOST2). GUI thread.
class IMpUserInterfaceHost2 : public IMpUserInterfaceHost {
public:
    virtual int32_t reserved4() = 0;                                                   // 4: reserved
    virtual int32_t reserved5() = 0;                                                   // 5: reserved
    virtual int32_t reserved6() = 0;                                                   // 6: reserved
    virtual int32_t prepareResources() = 0;                                            // 7: before skin resources are resolved; result ignored
    virtual int32_t resolveResourceName(const char* shortName, const char* type, IMpUnknown* fullName) = 0;  // 8: full name written into fullName's IMpString
    virtual int32_t openResource(const char* fullName, void** object) = 0;             // 9: an object that answers IMpFile
};

// A byte string that the host writes into (MP_IID_RETURNSTRING). GUI thread.
class IMpString : public IMpUnknown {
public:
    virtual int32_t setData(const char* bytes, int32_t length) = 0;                    // 3: replaces the bytes; length <= 0 empties
    virtual int32_t getSize() = 0;                                                     // 4: length in bytes
    virtual const char* getData() = 0;                                                 // 5: the bytes
};

// A host resource opened for reading (MP_IID_FILE). GUI thread.
class IMpFile : public IMpUnknown {
public:
    virtual int32_t getFileSize(int64_t* size) = 0;                                    // 3: size in bytes
    virtual int32_t readFile(void* buffer, int64_t byteCount, int64_t position) = 0;   // 4: byteCount bytes from position into buffer
};

}  // namespace gmpi

namespace gmpi_gui {

using gmpi::IMpUnknown;
using gmpi::MpGuid;

struct MpPoint {
    float x, y;
};
struct MpSize {
    float width, height;
};
struct MpRect {
    float left, top, right, bottom;
};
struct MpColor {
    float r, g, b, a;
};
struct MpSizeI {
    int32_t width, height;
};
struct MpRectI {
    int32_t top, bottom, left, right;
};
static_assert(sizeof(MpPoint) == 8 && sizeof(MpSize) == 8 && sizeof(MpSizeI) == 8);
static_assert(sizeof(MpRect) == 16 && sizeof(MpColor) == 16 && sizeof(MpRectI) == 16);

inline constexpr MpGuid MP_IID_GRAPHICS{0x4540C6EE, 0x98AB, 0x4C79, {0xB8, 0x57, 0x66, 0xAE, 0x64, 0x24, 0x91, 0x25}};
inline constexpr MpGuid MP_IID_GRAPHICS_HOST{0x6EE523F6, 0xF1F5, 0x4CE6, {0xB2, 0x54, 0x08, 0x73, 0x60, 0xE1, 0xA8, 0x61}};
inline constexpr MpGuid MP_IID_DRAWING_CONTEXT{0xE55A8A05, 0x4D54, 0x447D, {0x87, 0x0E, 0x93, 0xF9, 0x34, 0xF3, 0xE9, 0xC3}};
inline constexpr MpGuid MP_IID_BITMAP{0xEDF250B7, 0x29FE, 0x4FEC, {0x8C, 0x6A, 0xFB, 0xCB, 0x1F, 0x0A, 0x30, 0x1A}};
inline constexpr MpGuid MP_IID_BITMAP_PIXELS{0xCCE4F628, 0x289E, 0x4EAB, {0x98, 0x37, 0x17, 0x55, 0xD9, 0xE5, 0xF7, 0x93}};
inline constexpr MpGuid MP_IID_PLATFORM_MENU{0x19AE8501, 0xF207, 0x43AC, {0xA1, 0x39, 0xD0, 0xF8, 0x4E, 0x11, 0x9E, 0x4C}};
inline constexpr MpGuid MP_IID_PLATFORM_TEXT{0xA37A41CB, 0xD731, 0x4557, {0xA7, 0x17, 0xA1, 0xEA, 0xD5, 0x44, 0x2B, 0xE8}};
inline constexpr MpGuid MP_IID_GRAPHICS_WIN_GDI{0x76FAC807, 0x0C89, 0x465D, {0x9F, 0xAF, 0x49, 0xB1, 0x2D, 0x96, 0x41, 0x18}};
inline constexpr MpGuid MP_IID_WINDOW_HOST{0xE52FAA41, 0x42C3, 0x40A6, {0xA1, 0x1A, 0xE6, 0x9D, 0xB3, 0x35, 0xCE, 0x50}};
inline constexpr MpGuid MP_IID_WINDOW_HOST_EXTRA{0xB1EFF8C9, 0x9ADC, 0x450B, {0xBC, 0xD6, 0xD3, 0x59, 0xCD, 0xC8, 0x27, 0x5F}};
inline constexpr MpGuid MP_IID_GRAPHICS_COMPOSITED{0x0157347B, 0x3FD3, 0x4CEE, {0x94, 0x7E, 0x88, 0xF6, 0x94, 0x34, 0x92, 0x54}};
inline constexpr MpGuid MP_IID_COMPOSITED_HOST{0x2A3F4D28, 0x52C5, 0x4A31, {0xBF, 0x85, 0xB7, 0x98, 0x53, 0x26, 0x5F, 0x65}};

// Geometry sink codes.
enum MpFigureBegin : int32_t { MP_FIGURE_BEGIN_FILLED = 0, MP_FIGURE_BEGIN_HOLLOW = 1 };
enum MpFigureEnd : int32_t { MP_FIGURE_END_OPEN = 0, MP_FIGURE_END_CLOSED = 1 };

// Text alignment codes of IMpTextFormat and the text entry.
enum MpTextAlignment : int32_t { MP_TEXT_ALIGN_LEADING = 0, MP_TEXT_ALIGN_TRAILING = 1, MP_TEXT_ALIGN_CENTER = 2 };
enum MpParagraphAlignment : int32_t { MP_PARAGRAPH_ALIGN_NEAR = 0, MP_PARAGRAPH_ALIGN_FAR = 1, MP_PARAGRAPH_ALIGN_CENTER = 2 };

class IMpSolidColorBrush;
class IMpPathGeometry;
class IMpTextFormat;
class IMpBitmap;

// A host-drawn panel (MP_IID_GRAPHICS). GUI thread.
class IMpGraphics : public IMpUnknown {
public:
    virtual int32_t measure(MpSize available, MpSize* desired) = 0;                    // 3: the size the panel wants within available
    virtual int32_t arrange(const MpRect* finalRect) = 0;                              // 4: the panel's rectangle
    virtual int32_t render(IMpUnknown* context) = 0;                                   // 5: draw through the object's IMpDrawingContext
    virtual int32_t onPointerDown(uint32_t flags, MpPoint point) = 0;                  // 6: 0 handled, -1 not
    virtual int32_t onPointerMove(uint32_t flags, MpPoint point) = 0;                  // 7: 0 handled, -1 not
    virtual int32_t onPointerUp(uint32_t flags, MpPoint point) = 0;                    // 8: 0 handled, -1 not
};

// The host's services to a host-drawn panel (MP_IID_GRAPHICS_HOST). GUI thread.
class IMpGraphicsHost : public IMpUnknown {
public:
    virtual int32_t reserved3() = 0;                                                   // 3: reserved
    virtual void invalidateRect(const MpRect* rect) = 0;                               // 4: repaint rect later; null: the whole panel
    virtual void invalidateMeasure() = 0;                                              // 5: lay the panel out again
    virtual int32_t createTextFormat(const char* family, IMpUnknown* collection, int32_t weight, int32_t style,
                                     int32_t stretch, float size, const char* locale, void** format) = 0;  // 6: an IMpTextFormat
    virtual int32_t reserved7() = 0;                                                   // 7: reserved
    virtual int32_t createPlatformMenu(void** menu) = 0;                               // 8: an object that answers IMpPlatformMenu
    virtual int32_t setCapture() = 0;                                                  // 9: pointer events go to this panel
    virtual int32_t getCapture(int32_t* captured) = 0;                                 // 10: non-zero while this panel holds the capture
    virtual int32_t releaseCapture() = 0;                                              // 11: ends the capture
    virtual int32_t createPlatformTextEdit(void** textEdit) = 0;                       // 12: an object that answers IMpPlatformText
    virtual int32_t reserved13() = 0;                                                  // 13: reserved
    virtual int32_t loadImage(const char* fullName, void** bitmap) = 0;                // 14: an object that answers IMpBitmap
};

// The drawing context handed to render (MP_IID_DRAWING_CONTEXT). GUI thread, inside render.
class IMpDrawingContext : public IMpUnknown {
public:
    virtual int32_t getFactory(void** factory) = 0;                                    // 3: the IMpDrawingFactory
    virtual int32_t createSolidColorBrush(const MpColor* color, void** brush) = 0;     // 4: an IMpSolidColorBrush
    virtual int32_t reserved5() = 0;                                                   // 5: reserved
    virtual void fillRectangle(const MpRect* rect, IMpSolidColorBrush* brush) = 0;     // 6
    virtual void drawLine(MpPoint from, MpPoint to, IMpSolidColorBrush* brush, float width,
                          IMpUnknown* strokeStyle) = 0;                                // 7: strokeStyle is null
    virtual void drawGeometry(IMpPathGeometry* geometry, IMpSolidColorBrush* brush, float width,
                              IMpUnknown* strokeStyle) = 0;                            // 8: strokeStyle is null
    virtual void drawText(const char* text, int32_t length, IMpTextFormat* format, const MpRect* layout,
                          IMpSolidColorBrush* brush, int32_t options) = 0;             // 9: UTF-8 text of length bytes
    virtual void drawBitmap(IMpBitmap* bitmap, const MpRect* destination, float opacity, int32_t interpolation,
                            const MpRect* source) = 0;                                 // 10: source rectangle scaled to destination
};

// Makes drawing resources. GUI thread.
class IMpDrawingFactory : public IMpUnknown {
public:
    virtual int32_t createPathGeometry(void** geometry) = 0;                           // 3: an IMpPathGeometry
};

class IMpPathGeometry : public IMpUnknown {
public:
    virtual int32_t open(void** sink) = 0;                                             // 3: an IMpGeometrySink that fills the geometry
};

class IMpGeometrySink : public IMpUnknown {
public:
    virtual void beginFigure(MpPoint start, int32_t figureBegin) = 0;                  // 3: MpFigureBegin
    virtual void addLine(MpPoint point) = 0;                                           // 4
    virtual void endFigure(int32_t figureEnd) = 0;                                     // 5: MpFigureEnd
    virtual int32_t close() = 0;                                                       // 6: the geometry is complete
};

class IMpSolidColorBrush : public IMpUnknown {
public:
    virtual void setColor(const MpColor* color) = 0;                                   // 3
};

class IMpTextFormat : public IMpUnknown {
public:
    virtual int32_t setTextAlignment(int32_t alignment) = 0;                           // 3: MpTextAlignment
    virtual int32_t setParagraphAlignment(int32_t alignment) = 0;                      // 4: MpParagraphAlignment
    virtual int32_t getTextExtent(const char* text, int32_t length, MpSize* extent) = 0;  // 5: size of UTF-8 text in this format
};

// A bitmap the host loaded (MP_IID_BITMAP). GUI thread.
class IMpBitmap : public IMpUnknown {
public:
    virtual int32_t getBitmapSize(MpSize* size) = 0;                                   // 3: width and height in pixels
    virtual int32_t lockPixels(void** pixels, int32_t flags) = 0;                      // 4: an object that answers IMpBitmapPixels
};

// Direct access to a bitmap's pixels (MP_IID_BITMAP_PIXELS): 32 bits each,
// bytes B, G, R, A with straight alpha, rows top to bottom. Changes show in
// later drawing.
class IMpBitmapPixels : public IMpUnknown {
public:
    virtual uint8_t* getPixelAddress() = 0;                                            // 3: the first pixel
    virtual int32_t getBytesPerRow() = 0;                                              // 4: row stride in bytes
};

// A popup menu (MP_IID_PLATFORM_MENU). GUI thread.
class IMpPlatformMenu : public IMpUnknown {
public:
    virtual int32_t addItem(const char* text, int32_t id) = 0;                         // 3: UTF-8 text
    virtual int32_t setAlignment(int32_t alignment) = 0;                               // 4: MpTextAlignment
    virtual int32_t showMenu(int32_t* chosenId, float x, float y) = 0;                 // 5: returns once chosen; -1 or an unknown id when nothing was
};

// A text entry box (MP_IID_PLATFORM_TEXT). GUI thread.
class IMpPlatformText : public IMpUnknown {
public:
    virtual int32_t setAlignment(int32_t alignment) = 0;                               // 3: MpTextAlignment
    virtual int32_t setText(const char* text) = 0;                                     // 4: UTF-8 starting text
    virtual int32_t showEditor(float left, float top, float width, float height,
                               IMpUnknown* returnString) = 0;                          // 5: returns once edited; the text goes into returnString's IMpString
};

// First-generation panel in a native child window (MP_IID_GRAPHICS_WIN_GDI). GUI thread.
class IMpGraphicsWinGdi : public IMpUnknown {
public:
    virtual int32_t measure(MpSizeI available, MpSizeI* desired) = 0;                  // 3: the size the panel wants
    virtual int32_t arrange(const MpRectI* rect) = 0;                                  // 4: the window's rectangle
    virtual int32_t openWindow(void* parentWindow, void** window) = 0;                 // 5: creates the child window of parentWindow
    virtual int32_t closeWindow() = 0;                                                 // 6: destroys it
};

// First-generation panel drawn into a composited surface (MP_IID_GRAPHICS_COMPOSITED). GUI thread.
class IZuGraphicsComposited : public IMpUnknown {
public:
    virtual int32_t reserved3() = 0;                                                   // 3: reserved; answers 0
    virtual int32_t measure(MpSizeI available, MpSizeI* desired) = 0;                  // 4: the size the panel wants
    virtual int32_t arrange(const MpRectI* rect) = 0;                                  // 5: the panel's rectangle
    virtual int32_t reserved6() = 0;                                                   // 6: reserved; answers 0
    virtual int32_t reserved7() = 0;                                                   // 7: reserved; answers 0
    virtual int32_t reserved8() = 0;                                                   // 8: reserved; answers 0
    virtual int32_t reserved9() = 0;                                                   // 9: reserved; answers 0
    virtual int32_t reserved10() = 0;                                                  // 10: reserved; answers 0
};
// clang-format on

}  // namespace gmpi_gui
