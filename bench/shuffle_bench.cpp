// The largest shuffle: "Nouvelle partie" on a 10 x 10 board with 1000 moves,
// on the board model alone (the window shows only the result, once).

#include <benchmark/benchmark.h>

#include <cstdint>

#include "Board.h"

static void BM_Shuffle10x10With1000Moves(benchmark::State& state) {
  std::uint32_t seed = 0;
  TBoard board([&seed] { return seed; });
  board.SetConfiguration(10, 10, 1000);
  board.Build();

  std::int64_t draws = 0;
  for (auto _ : state) {
    ++seed;
    board.Shuffle();

    // Count the generator steps from the seed to the state the shuffle left.
    state.PauseTiming();
    TRandom replay;
    replay.Reseed(seed);
    const std::uint32_t end = board.Random().State();
    do {
      replay.Draw(1);
      ++draws;
    } while (replay.State() != end);
    state.ResumeTiming();
  }
  benchmark::DoNotOptimize(board.MoveCount());
  state.counters["draws_per_shuffle"] =
      benchmark::Counter(static_cast<double>(draws), benchmark::Counter::kAvgIterations);
  state.counters["moves_per_second"] =
      benchmark::Counter(1000.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Shuffle10x10With1000Moves)->Unit(benchmark::kMicrosecond);
