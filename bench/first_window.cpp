// Starts a program on an X display without a window manager and reports how
// long it takes until its window with a given title is mapped, and until a
// given pixel of that window shows a given colour (the first frame painted).
// Watching the root window's map events costs nothing while waiting, unlike
// polling with xdotool or xwininfo, which would compete for the CPU with the
// program being measured.
//
// Usage: first_window TITLE X Y RRGGBB PROGRAM [ARGUMENT...]
// Prints "mapped_ms painted_ms" and ends the program with SIGTERM.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto limit = std::chrono::seconds(20);

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string windowTitle(Display* display, Window window) {
  Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                         &remaining, &data) == Success &&
      data != nullptr) {
    title.assign(reinterpret_cast<const char*>(data), count);
  }
  if (data != nullptr) XFree(data);
  if (title.empty()) {
    // Programs that know only the old property name their windows there.
    char* name = nullptr;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
      title = name;
      XFree(name);
    }
  }
  return title;
}

std::optional<unsigned long> pixelAt(Display* display, Window window, int x, int y) {
  XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return std::nullopt;
  unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

// A window may vanish between its map event and our questions about it.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

int fail(pid_t child, const char* message) {
  std::fprintf(stderr, "first_window: %s\n", message);
  if (child > 0) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: first_window TITLE X Y RRGGBB PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  const std::string wanted = argv[1];
  const int x = std::atoi(argv[2]);
  const int y = std::atoi(argv[3]);
  const unsigned long colour = std::strtoul(argv[4], nullptr, 16);

  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return fail(0, "cannot open the display");
  XSetErrorHandler(ignoreErrors);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = Clock::now();
  const pid_t child = fork();
  if (child < 0) return fail(0, "cannot fork");
  if (child == 0) {
    execvp(argv[5], argv + 5);
    std::perror("first_window: exec");
    _exit(127);
  }

  Window window = None;
  double mapped = 0;
  while (window == None) {
    if (Clock::now() - start > limit) return fail(child, "the window was not mapped in time");
    if (waitpid(child, nullptr, WNOHANG) == child) return fail(0, "the program ended before its window");
    if (XPending(display) == 0) {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && windowTitle(display, event.xmap.window) == wanted) {
      mapped = millisecondsSince(start);
      window = event.xmap.window;
    }
  }

  double painted = 0;
  for (;;) {
    if (Clock::now() - start > limit) return fail(child, "the window was not painted in time");
    if (pixelAt(display, window, x, y) == colour) {
      painted = millisecondsSince(start);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }

  std::printf("%.1f %.1f\n", mapped, painted);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
