#pragma once
// Owning wrappers for the handles the programs hold.
#include <windows.h>

#include <memory>
#include <type_traits>

struct GdiObjectDeleter {
  void operator()(void* object) const { if (object) DeleteObject(static_cast<HGDIOBJ>(object)); }
};
template <class T>
using GdiObject = std::unique_ptr<std::remove_pointer_t<T>, GdiObjectDeleter>;
using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using BitmapHandle = GdiObject<HBITMAP>;
using PenHandle = GdiObject<HPEN>;

struct KernelHandleDeleter {
  void operator()(void* handle) const {
    if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(static_cast<HANDLE>(handle));
  }
};
using KernelHandle = std::unique_ptr<void, KernelHandleDeleter>;

struct RegKeyDeleter {
  void operator()(HKEY key) const { if (key) RegCloseKey(key); }
};
using RegKeyHandle = std::unique_ptr<std::remove_pointer_t<HKEY>, RegKeyDeleter>;

// Selects an object into a DC for the life of the scope.
class SelectObjectScope {
 public:
  SelectObjectScope(HDC dc, HGDIOBJ object) : Dc(dc), Old(SelectObject(dc, object)) {}
  ~SelectObjectScope() { SelectObject(Dc, Old); }
  SelectObjectScope(const SelectObjectScope&) = delete;
  SelectObjectScope& operator=(const SelectObjectScope&) = delete;

 private:
  HDC Dc;
  HGDIOBJ Old;
};

// Font from a height in pixels (negative: character height, as LOGFONT has it).
FontHandle MakeFont(const char* face, int height, bool bold = false, bool italic = false,
                    BYTE charset = DEFAULT_CHARSET);
// Font from a size in points on the screen.
FontHandle MakePointFont(const char* face, int points, bool bold = false, bool italic = false,
                         BYTE charset = DEFAULT_CHARSET);
