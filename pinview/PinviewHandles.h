#pragma once
// Owners for the GDI objects, device contexts, window stations and desktops the prompt uses. Each
// releases what it holds when it goes out of scope; copying is deleted.
#include <windows.h>

#include <utility>

namespace pinview {

// A GDI object made by CreateXxx or LoadBitmap, deleted with DeleteObject.
template <typename T>
class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(T object) : Object(object) {}
    ~TGdiObject() { Reset(); }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;
    TGdiObject(TGdiObject&& other) noexcept : Object(std::exchange(other.Object, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            Object = std::exchange(other.Object, nullptr);
        }
        return *this;
    }

    T Get() const { return Object; }
    explicit operator bool() const { return Object != nullptr; }
    void Reset() {
        if (Object) DeleteObject(Object);
        Object = nullptr;
    }

private:
    T Object = nullptr;
};

using TFont = TGdiObject<HFONT>;
using TBitmap = TGdiObject<HBITMAP>;

// Selects an object into a device context and selects the previous one back at the end.
class TSelection {
public:
    TSelection(HDC dc, HGDIOBJ object) : Dc(dc), Previous(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~TSelection() {
        if (Previous && Previous != HGDI_ERROR) SelectObject(Dc, Previous);
    }
    TSelection(const TSelection&) = delete;
    TSelection& operator=(const TSelection&) = delete;
    bool Selected() const { return Previous && Previous != HGDI_ERROR; }

private:
    HDC Dc;
    HGDIOBJ Previous;
};

// A device context from GetDC, released with ReleaseDC.
class TWindowDc {
public:
    explicit TWindowDc(HWND window) : Window(window), Dc(GetDC(window)) {}
    ~TWindowDc() {
        if (Dc) ReleaseDC(Window, Dc);
    }
    TWindowDc(const TWindowDc&) = delete;
    TWindowDc& operator=(const TWindowDc&) = delete;
    HDC Get() const { return Dc; }

private:
    HWND Window;
    HDC Dc;
};

// A memory device context compatible with another, deleted with DeleteDC.
class TMemoryDc {
public:
    explicit TMemoryDc(HDC like) : Dc(CreateCompatibleDC(like)) {}
    ~TMemoryDc() {
        if (Dc) DeleteDC(Dc);
    }
    TMemoryDc(const TMemoryDc&) = delete;
    TMemoryDc& operator=(const TMemoryDc&) = delete;
    HDC Get() const { return Dc; }

private:
    HDC Dc;
};

// A window station or desktop handle of our own, closed at the end. Closing a desktop that a thread
// still uses fails harmlessly, so the handle then simply stays open.
template <typename T, BOOL(WINAPI* Close)(T)>
class TUserObject {
public:
    TUserObject() = default;
    explicit TUserObject(T handle) : Handle(handle) {}
    ~TUserObject() {
        if (Handle) Close(Handle);
    }
    TUserObject(const TUserObject&) = delete;
    TUserObject& operator=(const TUserObject&) = delete;
    TUserObject(TUserObject&& other) noexcept : Handle(std::exchange(other.Handle, nullptr)) {}
    TUserObject& operator=(TUserObject&& other) noexcept {
        if (this != &other) {
            if (Handle) Close(Handle);
            Handle = std::exchange(other.Handle, nullptr);
        }
        return *this;
    }
    T Get() const { return Handle; }

private:
    T Handle = nullptr;
};

using TWindowStation = TUserObject<HWINSTA, CloseWindowStation>;
using TDesktop = TUserObject<HDESK, CloseDesktop>;

// A critical section, usable from DllMain and re-entered safely by its own thread.
class TLock {
public:
    TLock() { InitializeCriticalSection(&Section); }
    ~TLock() { DeleteCriticalSection(&Section); }
    TLock(const TLock&) = delete;
    TLock& operator=(const TLock&) = delete;
    void Enter() { EnterCriticalSection(&Section); }
    void Leave() { LeaveCriticalSection(&Section); }

private:
    CRITICAL_SECTION Section;
};

class TLocked {
public:
    explicit TLocked(TLock& lock) : Lock(lock) { Lock.Enter(); }
    ~TLocked() { Lock.Leave(); }
    TLocked(const TLocked&) = delete;
    TLocked& operator=(const TLocked&) = delete;

private:
    TLock& Lock;
};

}  // namespace pinview
