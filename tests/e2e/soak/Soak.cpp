// Soak: Brelix.exe played from outside with random real input, checked after
// every event; a failure is shrunk to a short list of events that repeats it.
//   brelix_soak EXE TITLE EVENTS [SEED] [--shrink-minutes M]
//   brelix_soak EXE TITLE --replay FILE       (a list as printed on a failure)
// It runs under x_input.py, which makes its input as real X input.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <string>
#include <vector>

#include "Events.h"
#include "Input.h"
#include "Player.h"
#include "Program.h"

namespace {

using namespace soak;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// A window of the soak's own, which an event brings to the front to take
// the activation (and with it the mouse) away from the program.
HWND CreateOtherWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BrelixSoakOther";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Soak", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0,
                              GetSystemMetrics(SM_CYSCREEN) - 60, 120, 60, nullptr, nullptr, wc.hInstance, nullptr);
  return hwnd;
}

// What kind of failure a text reports: its words before the first number
// or quote, so that a shrunk list must repeat the same fault.
std::string KindOf(const std::string& failure) {
  std::string kind;
  for (char c : failure) {
    if ((c >= '0' && c <= '9') || c == '\'') break;
    kind += c;
  }
  return kind;
}

// Where a failure showed: at an event of the list, or at the first start.
std::string Where(const std::vector<TEvent>& events, std::size_t at) {
  if (at >= events.size()) return "the first start";
  return "event " + std::to_string(at + 1) + " (" + events[at].Describe() + ")";
}

void PrintList(const std::vector<TEvent>& events) {
  for (const TEvent& e : events)
    std::printf("  %d %u %u %u   # %s\n", static_cast<int>(e.Kind), e.A, e.B, e.C, e.Describe().c_str());
}

class TRunner {
 public:
  TRunner(TProgram& program, HWND other) : FPlayer(program, other) {}
  int Congratulations() const { return FPlayer.Congratulations(); }

  // Plays the list from a fresh start; the failure, with the index of the
  // event that showed it (the list's size when its first start failed).
  std::string Run(const std::vector<TEvent>& events, std::size_t& at) {
    at = events.size();
    if (std::string failure = FPlayer.Restart(); !failure.empty()) return failure;
    for (at = 0; at < events.size(); ++at)
      if (std::string failure = FPlayer.Play(events[at]); !failure.empty()) return failure;
    return {};
  }

  // Random events; the list played so far and the failure, if any.
  std::string Random(std::size_t count, unsigned seed, std::vector<TEvent>& played) {
    std::mt19937 random(seed);
    if (std::string failure = FPlayer.Restart(); !failure.empty()) return failure;
    const auto start = Clock::now();
    for (std::size_t i = 0; i < count; ++i) {
      TScreen screen = FPlayer.Observe();
      if (screen == TScreen::Gone) return "the program is gone";
      played.push_back(Generate(random, screen, FPlayer.HelpOpen()));
      if (std::string failure = FPlayer.Play(played.back()); !failure.empty()) return failure;
      if ((i + 1) % 500 == 0) {
        std::printf("%zu events, %.1f events/s\n", i + 1, (i + 1) / Seconds(start));
        std::fflush(stdout);
      }
    }
    return {};
  }

  // Whether the list still shows a failure of that kind (two tries: the
  // shuffle is random).
  bool Fails(const std::vector<TEvent>& events, const std::string& kind) {
    for (int attempt = 0; attempt < 2; ++attempt) {
      std::size_t at = 0;
      const std::string failure = Run(events, at);
      if (!failure.empty() && KindOf(failure) == kind) return true;
    }
    return false;
  }

  // Delta debugging: drops chunks of the list as long as the failure stays.
  std::vector<TEvent> Shrink(std::vector<TEvent> events, const std::string& kind, double minutes) {
    const auto start = Clock::now();
    std::size_t chunks = 2;
    while (events.size() >= 2 && Seconds(start) < minutes * 60) {
      const std::size_t size = events.size(), step = (size + chunks - 1) / chunks;
      bool reduced = false;
      for (std::size_t from = 0; from < size && !reduced && Seconds(start) < minutes * 60; from += step) {
        std::vector<TEvent> rest(events.begin(), events.begin() + static_cast<long>(from));
        rest.insert(rest.end(), events.begin() + static_cast<long>(std::min(size, from + step)), events.end());
        if (Fails(rest, kind)) {
          events = rest;
          chunks = std::max<std::size_t>(chunks - 1, 2);
          reduced = true;
          std::printf("  shrunk to %zu events\n", events.size());
          std::fflush(stdout);
        }
      }
      if (!reduced) {
        if (chunks >= size) break;
        chunks = std::min(size, chunks * 2);
      }
    }
    return events;
  }

 private:
  TPlayer FPlayer;
};

// A list of events, one "KIND A B C" a line; "#" starts a comment, and a
// line "expect congratulated" asks that the list see a game congratulated.
std::vector<TEvent> ReadList(const wchar_t* path, bool& expectCongratulated) {
  std::vector<TEvent> events;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("expect congratulated", 0) == 0) expectCongratulated = true;
    int kind = 0;
    unsigned a = 0, b = 0, c = 0;
    if (std::sscanf(line.c_str(), " %d %u %u %u", &kind, &a, &b, &c) != 4) continue;
    if (kind < 0 || kind > static_cast<int>(TKind::Last)) {
      std::printf("not an event, left out: %s\n", line.c_str());
      continue;
    }
    events.push_back({static_cast<TKind>(kind), a, b, c});
  }
  return events;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: brelix_soak EXE TITLE EVENTS [SEED] [--shrink-minutes M] | --replay FILE\n");
    return 2;
  }
  setvbuf(stdout, nullptr, _IONBF, 0);
  if (!InputReady()) {
    std::fprintf(stderr, "brelix_soak: xdotool does not answer through x_input.py\n");
    return 2;
  }
  TProgram program(argv[1], argv[2]);
  HWND other = CreateOtherWindow();
  TRunner runner(program, other);

  if (std::wcscmp(argv[3], L"--replay") == 0 && argc >= 5) {
    bool expectCongratulated = false;
    const std::vector<TEvent> events = ReadList(argv[4], expectCongratulated);
    std::size_t at = 0;
    const std::string failure = runner.Run(events, at);
    if (!failure.empty()) Screenshot("soak-failure");
    program.Stop();
    if (failure.empty() && expectCongratulated && runner.Congratulations() == 0) {
      std::printf("FAILED: %zu events replayed, and no game was congratulated\n", events.size());
      return 1;
    }
    if (failure.empty()) {
      std::printf("%zu events replayed, no failure, %d games congratulated\n", events.size(), runner.Congratulations());
      return 0;
    }
    std::printf("FAILED at %s: %s\n", Where(events, at).c_str(), failure.c_str());
    return 1;
  }

  const std::size_t count = std::wcstoul(argv[3], nullptr, 10);
  unsigned seed = argc >= 5 && argv[4][0] != L'-' ? static_cast<unsigned>(std::wcstoul(argv[4], nullptr, 10))
                                                  : static_cast<unsigned>(GetTickCount() ^ GetCurrentProcessId());
  double shrinkMinutes = 10;
  for (int i = 4; i + 1 < argc; ++i)
    if (std::wcscmp(argv[i], L"--shrink-minutes") == 0) shrinkMinutes = std::wcstod(argv[i + 1], nullptr);
  std::printf("soak: %zu events, seed %u\n", count, seed);

  const auto start = Clock::now();
  std::vector<TEvent> played;
  const std::string failure = runner.Random(count, seed, played);
  const double seconds = Seconds(start);
  if (failure.empty()) {
    program.Stop();
    std::printf("soak: %zu events in %.0f s, %.1f events/s, 0 failures, %d games congratulated, %d lost inputs made "
                "again (seed %u)\n",
                played.size(), seconds, played.size() / seconds, runner.Congratulations(), LostInputs(), seed);
    return 0;
  }
  Screenshot("soak-failure");
  std::printf("FAILED at %s, seed %u: %s\n", Where(played, played.size() - 1).c_str(), seed, failure.c_str());
  std::printf("%zu events in %.0f s before the failure, %d lost inputs made again\n", played.size(),
              seconds, LostInputs());
  if (played.empty()) {
    program.Stop();
    return 1;
  }
  const std::string kind = KindOf(failure);
  std::printf("shrinking (at most %.0f minutes)...\n", shrinkMinutes);
  if (!runner.Fails(played, kind)) {
    std::printf("the failure did not repeat on a replay of the list; its last events:\n");
    PrintList(std::vector<TEvent>(played.end() - static_cast<long>(std::min<std::size_t>(played.size(), 30)),
                                  played.end()));
  } else {
    const std::vector<TEvent> shortest = runner.Shrink(played, kind, shrinkMinutes);
    std::printf("shortest list that repeats it (%zu events; replay with --replay FILE):\n", shortest.size());
    PrintList(shortest);
  }
  program.Stop();
  return 1;
}
