// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark entry point: a Qt application on the offscreen platform (GUI benches
// drive real widgets), private settings and data folders, and a reporter that
// prints one `name: value` line per benchmark, the value in the unit that the
// benchmark's name ends with (_ms or _us). User counters print as `name: value`.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

namespace {

double unitScale(const std::string& name) {
  auto ends = [&](const char* s) {
    const std::string suffix(s);
    return name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
  };
  if (ends("_us")) return 1e6;
  if (ends("_ns")) return 1e9;
  if (ends("_s")) return 1.0;
  return 1e3;  // _ms and anything else
}

class LineReporter : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context&) override { return true; }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) {
        std::printf("%s: error (%s)\n", run.benchmark_name().c_str(), run.error_message.c_str());
        continue;
      }
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      std::string name = run.run_name.function_name;
      const double perIteration = run.iterations > 0 ? run.real_accumulated_time / double(run.iterations) : 0.0;
      std::printf("%s: %.3f\n", name.c_str(), perIteration * unitScale(name));
      for (const auto& [key, counter] : run.counters) std::printf("%s: %.3f\n", key.c_str(), double(counter.value));
    }
    std::fflush(stdout);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  for (const char* sub : {"config", "data", "cache", "Pictures"}) QDir(home.path()).mkpath(sub);
  qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
  qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
  qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toUtf8());
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Vorlane");
  QApplication::setApplicationName("vorlane-bench");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  LineReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
