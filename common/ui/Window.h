#pragma once
// A small form layer over Win32: a Window owns its HWND and handles its messages in a virtual
// WndProc; class names are registered by name because other programs look for them.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class Timer;

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return Hwnd; }
  static Window* FromHandle(HWND hwnd);

  // Registers a window class whose messages reach Window::WndProc of the object being created.
  static void RegisterFormClass(const char* className, UINT classStyle = CS_DBLCLKS,
                                HBRUSH background = nullptr, HICON icon = nullptr);
  bool CreateHandle(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y,
                    int width, int height, HWND parent = nullptr, HMENU menuOrId = nullptr);
  void DestroyHandle();

  // Client area of the given size: window size follows from the styles.
  void SetClientSize(int width, int height);
  void SetText(const std::string& text);
  std::string GetText() const;
  bool Visible() const { return Hwnd && IsWindowVisible(Hwnd); }
  void Close() { if (Hwnd) SendMessageA(Hwnd, WM_CLOSE, 0, 0); }

  // Runs the window modally: owner windows are disabled, a loop of its own runs until it is closed.
  int ShowModal();
  void EndModal(int result);

  // Lets a form see a message of its thread before dispatch (keyboard navigation); true = handled.
  virtual bool PreTranslateMessage(MSG& msg);

 protected:
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Called from WM_CLOSE; false keeps the window open.
  virtual bool CanClose() { return true; }
  // Adopts a standard control created by the caller so that its notifications reach this object.
  void Subclass(HWND hwnd);

  HWND Hwnd = nullptr;

 private:
  friend class Timer;
  static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  WNDPROC Inherited = nullptr;  // set for subclassed standard controls
  std::vector<Timer*> Timers;
  bool InModal = false;
  int ModalResultValue = 0;
};

// A window timer that belongs to a Window and calls a member handler.
class Timer {
 public:
  Timer(Window& owner, UINT interval, std::function<void()> onTimer);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void SetEnabled(bool enabled);
  bool Enabled() const { return IsEnabled; }
  void SetInterval(UINT interval);
  UINT Interval() const { return IntervalMs; }
  UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }
  void Fire() { if (OnTimer) OnTimer(); }

 private:
  void Apply();
  Window& Owner;
  UINT IntervalMs;
  bool IsEnabled = false;
  std::function<void()> OnTimer;
};

// Pumps the pending messages of this thread, as a form library's ProcessMessages does.
void ProcessMessages();
