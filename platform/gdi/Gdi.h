#pragma once
// The GDI calls the program makes, on the platform's surfaces, regions and fonts. Handles are
// typed (GdiHandles.h) and mapped to objects in the GDI object table (GdiObjects.h). Failures
// are reported as GDI reports them: a null handle, FALSE, ERROR or 0, with the last-error code
// set for invalid handles and parameters.

#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiStructs.h"

// CombineRgn modes and the results of region calls.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

constexpr LONG MAXLONG = 0x7FFFFFFF;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return COLORREF(r | (g << 8) | (b << 16));
}
constexpr BYTE GetRValue(COLORREF color) {
    return BYTE(color);
}
constexpr BYTE GetGValue(COLORREF color) {
    return BYTE(color >> 8);
}
constexpr BYTE GetBValue(COLORREF color) {
    return BYTE(color >> 16);
}
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Raster operations of BitBlt and StretchBlt.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD NOTSRCERASE = 0x001100A6;
constexpr DWORD MERGECOPY = 0x00C000CA;
constexpr DWORD MERGEPAINT = 0x00BB0226;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATPAINT = 0x00FB0A09;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// DrawText formats.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;

// Device contexts and objects.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
// Fills a BITMAP for a bitmap or a LOGFONTA for a font; returns the bytes written, or the
// bytes needed when buffer is null, or 0 on failure.
int GetObject(HGDIOBJ object, int size, void* buffer);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF SetTextColor(HDC hdc, COLORREF color);

// Bitmaps.
// Only 32-bit BI_RGB sections are made, bottom-up for a positive height, top-down for a
// negative one; *bits receives the pixels.
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop);

// Regions.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
int CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL EqualRgn(HRGN a, HRGN b);
int GetRgnBox(HRGN region, RECT* box);
int OffsetRgn(HRGN region, int dx, int dy);
// Transforms are not supported: a non-null transform fails.
HRGN ExtCreateRegion(const XFORM* transform, DWORD count, const RGNDATA* data);
DWORD GetRegionData(HRGN region, DWORD count, RGNDATA* data);
// The window takes the region over: on success the handle leaves the GDI table. A null region
// removes the window's shape.
int SetWindowRgn(HWND window, HRGN region, BOOL redraw);
// Copies the window's shape into the region; ERROR when the window has none.
int GetWindowRgn(HWND window, HRGN region);

// Fonts and text. Text is UTF-8.
HFONT CreateFontIndirect(const LOGFONTA* font);
BOOL TextOut(HDC hdc, int x, int y, const char* text, int length);
BOOL GetTextExtentPoint32(HDC hdc, const char* text, int length, SIZE* size);
int DrawText(HDC hdc, const char* text, int length, RECT* rect, UINT format);
