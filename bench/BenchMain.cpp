// Runs the benchmarks and prints, for every pair named "<Work>/Harmoz" and "<Work>/Plain", the
// ratio of the program's time to the plain SQLite C API's time for the same work.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cstdio>
#include <map>
#include <string>

#include "core/base/Formats.h"
#include "core/base/MessageBox.h"
#include "core/base/Product.h"

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const std::string name = run.benchmark_name();
      const auto slash = name.find('/');
      if (slash == std::string::npos) continue;
      const std::string work = name.substr(0, slash);
      std::string side = name.substr(slash + 1);
      const std::string variant =
          side.find('/') == std::string::npos ? "" : side.substr(side.find('/'));
      side = side.substr(0, side.find('/'));
      times_[work + variant][side] = run.GetAdjustedRealTime();
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-44s %12s %12s %8s\n", "work", "harmoz", "plain", "ratio");
    for (const auto& [work, sides] : times_) {
      const auto harmoz = sides.find("Harmoz");
      const auto plain = sides.find("Plain");
      if (harmoz == sides.end() || plain == sides.end() || plain->second <= 0) continue;
      std::printf("%-44s %12.1f %12.1f %8.2f\n", work.c_str(), harmoz->second, plain->second,
                  harmoz->second / plain->second);
    }
  }

 private:
  std::map<std::string, std::map<std::string, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  SetProductGlobals();
  InstallProcessFormats();
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
