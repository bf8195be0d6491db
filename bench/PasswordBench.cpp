// One password check at login, for each stored form, and the refusal of an entry that asks for
// too much work.
#include <benchmark/benchmark.h>

#include "core/operators/PasswordHash.h"

namespace {

const QString kPassword = QStringLiteral("Geheim密码");

void CheckStored(benchmark::State& state, const QString& stored, bool expected) {
  for (auto _ : state) {
    const bool matches = TPasswordHash::Matches(kPassword, stored);
    if (matches != expected) state.SkipWithError("unexpected check result");
    benchmark::DoNotOptimize(matches);
  }
}

void PasswordCheck_Argon2id(benchmark::State& state) {
  CheckStored(state, TPasswordHash::Make(kPassword), true);
}

void PasswordCheck_OlderPbkdf2(benchmark::State& state) {
  CheckStored(state,
              QStringLiteral("pbkdf2-sha256$20000$AQIDBAUGBwgJCgsMDQ4PEA==$"
                             "7tvZSjblXyVExn5Pzlwh8+fJB7KMivKYbwjCHdw6oOg="),
              true);
}

void PasswordCheck_RefusedCost(benchmark::State& state) {
  QString forged = TPasswordHash::Make(kPassword);
  forged.replace(QStringLiteral("t=2,"), QStringLiteral("t=100000,"));
  CheckStored(state, forged, false);
}

void PasswordStore_Argon2id(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TPasswordHash::Make(kPassword));
}

}  // namespace

BENCHMARK(PasswordCheck_Argon2id)->Unit(benchmark::kMillisecond);
BENCHMARK(PasswordCheck_OlderPbkdf2)->Unit(benchmark::kMillisecond);
BENCHMARK(PasswordCheck_RefusedCost)->Unit(benchmark::kMicrosecond);
BENCHMARK(PasswordStore_Argon2id)->Unit(benchmark::kMillisecond);
