// The site finder's speed: loading the town list, a search per keystroke in
// the index against the library's own query, and the dialog opening and
// answering a keystroke. Per-keystroke figures are reported as percentiles
// over 1,000 random prefixes of one to four letters; so is the search of a
// town by its whole name that --place makes.
#include <benchmark/benchmark.h>
#include <geonames.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "place/TownIndex.h"
#include "shell/LocationDialog.h"
#include "shell/MainWindows.h"

namespace {

std::vector<std::string> Prefixes(std::size_t count, int shortest) {
  std::mt19937 rng(7);
  std::vector<std::string> prefixes;
  for (std::size_t k = 0; k < count; ++k) {
    std::string p;
    const int length = shortest + static_cast<int>(rng() % static_cast<unsigned>(5 - shortest));
    for (int i = 0; i < length; ++i) p += static_cast<char>('a' + rng() % 26);
    prefixes.push_back(p);
  }
  return prefixes;
}

// Times `each` once per prefix and reports the median, the 90th percentile
// and the worst, in milliseconds.
template <typename Each>
void Percentiles(benchmark::State& state, const std::vector<std::string>& prefixes, Each each) {
  std::vector<double> ms;
  for (auto _ : state) {
    ms.clear();
    for (const std::string& prefix : prefixes) {
      const auto start = std::chrono::steady_clock::now();
      each(prefix);
      ms.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
    }
  }
  std::sort(ms.begin(), ms.end());
  state.counters["p50_ms"] = ms[ms.size() / 2];
  state.counters["p90_ms"] = ms[ms.size() * 9 / 10];
  state.counters["max_ms"] = ms.back();
}

void Load(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TownIndex::Load().size());
}

void IndexKeystroke(benchmark::State& state) {
  const TownIndex& index = TownIndex::Instance();
  Percentiles(state, Prefixes(1000, 1), [&](const std::string& prefix) {
    benchmark::DoNotOptimize(index.Find(QString::fromStdString(prefix)).size());
  });
}

// A name no town has: the towns spelt nearly so, as the site finder and
// --place offer them (the first call also lays out the names for it).
void SpeltLike(benchmark::State& state) {
  const TownIndex& index = TownIndex::Instance();
  const std::vector<std::string> typos = {"trevsio", "mialno", "lodnon",  "parsi", "berlni",
                                          "madird",  "sevila", "lisboaa", "wein",  "xyzzyq"};
  std::vector<std::string> many;
  for (int k = 0; k < 10; ++k) many.insert(many.end(), typos.begin(), typos.end());
  Percentiles(state, many, [&](const std::string& typo) {
    benchmark::DoNotOptimize(index.SpeltLike(QString::fromStdString(typo)).size());
  });
}

// --place: a town by one of its whole names, accents aside.
void NamedTown(benchmark::State& state) {
  const TownIndex& index = TownIndex::Instance();
  Percentiles(state, Prefixes(1000, 1), [&](const std::string& prefix) {
    benchmark::DoNotOptimize(index.Named(QString::fromStdString(prefix), {}, 1).size());
  });
}

void LibraryQuery(benchmark::State& state) {
  Percentiles(state, Prefixes(50, 1), [](const std::string& prefix) {
    guint length = 0;
    g_free(geonames_query_cities_sync(prefix.c_str(), GEONAMES_QUERY_DEFAULT, &length, nullptr,
                                      nullptr));
  });
}

void DialogOpens(benchmark::State& state) {
  TownIndex::Instance();  // the program loads it while the main window shows
  for (auto _ : state) {
    LocationDialog dialog;
    dialog.show();
    QApplication::processEvents();
  }
}

void DialogKeystroke(benchmark::State& state) {
  LocationDialog dialog;
  dialog.show();
  QApplication::processEvents();
  // The list fills from the second character on.
  Percentiles(state, Prefixes(1000, 2), [&](const std::string& prefix) {
    dialog.searchBox->setText(QString::fromStdString(prefix));
    QApplication::processEvents();
  });
}

// The main window's project roads, on settings of the benchmark's own.
void ProjectOpens(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path = folder.filePath("treviso.quindal");
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(R"x({"quindal": 1, "luogo": {"nome": "Treviso (Veneto, Italia)", "latitudine": 45.667,
    "scostamento": -2.758, "fuso": "Europe/Rome"}, "ore": "temporarie", "anno": 2027})x");
  file.close();
  MainWindows windows;
  for (auto _ : state) benchmark::DoNotOptimize(windows.form1.OpenProjectFile(path));
}

void WindowComesBack(benchmark::State& state) {
  for (auto _ : state) {
    MainWindows windows;  // the last project and the recent sites read back
    benchmark::DoNotOptimize(windows.form1.Text1());
  }
}

void RecentSitesMenu(benchmark::State& state) {
  MainWindows windows;
  for (int k = 0; k < 12; ++k) {
    windows.form1.SetText1(QString::number(40 + k));
    windows.form1.SetText4("0");
    windows.form1.Remember(*CheckProject(windows.form1.Chosen()).checked);
  }
  for (auto _ : state) emit windows.form1.siteMenu->aboutToShow();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  benchmark::RegisterBenchmark("towns/load", Load)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("towns/index_keystroke", IndexKeystroke)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("towns/named", NamedTown)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("towns/spelt_like", SpeltLike)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("towns/library_query", LibraryQuery)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("dialog/open", DialogOpens)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("dialog/keystroke", DialogKeystroke)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("project/open", ProjectOpens)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("project/window_comes_back", WindowComesBack)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("project/recent_sites_menu", RecentSitesMenu)
      ->Unit(benchmark::kMicrosecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
