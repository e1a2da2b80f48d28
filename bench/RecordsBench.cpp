// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The records screen: from the tap on the menu's entry to the list laid out and painted,
// one step of scrolling, which paints only the rows that come into view, and the resident
// memory the screen takes with 10,000 records.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <QScrollBar>

#include <fstream>
#include <string>

#include "BenchStore.h"
#include "messaging/ManageHiddenMSGController.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

namespace {

void openRecords(hv::NavigationController& nav, const hv::StorePaths& paths) {
    nav.pushViewController(new hv::ManageHiddenMSGController(paths), false);
    QApplication::processEvents();  // the list's delayed layout
    nav.window()->repaint();
}

// The process's resident memory now, from /proc (VmRSS), in MiB.
double residentMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024;
    return 0;
}

// First of the file, so that no other benchmark has grown the heap before it.
void BM_ResidentMemoryShowing10000Records(benchmark::State& state) {
    hv::bench::Fixture fixture(0, 10000);
    const auto paths = hv::StorePaths::inDirectory(fixture.store().documentsDirectory());
    for (auto _ : state) {
        const double before = residentMiB();
        hv::Window window;
        auto* nav = new hv::NavigationController(new hv::ViewController);
        window.setRootViewController(nav);
        window.show();
        openRecords(*nav, paths);
        const double after = residentMiB();
        state.counters["RSS_before_MiB"] = before;
        state.counters["RSS_showing_MiB"] = after;
        state.counters["screen_MiB"] = after - before;
    }
}
BENCHMARK(BM_ResidentMemoryShowing10000Records)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_OpenRecords(benchmark::State& state) {
    hv::bench::Fixture fixture(0, int(state.range(0)));
    const auto paths = hv::StorePaths::inDirectory(fixture.store().documentsDirectory());
    hv::Window window;
    auto* nav = new hv::NavigationController(new hv::ViewController);
    window.setRootViewController(nav);
    window.show();
    for (auto _ : state) {
        openRecords(*nav, paths);
        state.PauseTiming();
        nav->popViewControllerAnimated(false);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenRecords)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ScrollRecords_10000(benchmark::State& state) {
    hv::bench::Fixture fixture(0, 10000);
    const auto paths = hv::StorePaths::inDirectory(fixture.store().documentsDirectory());
    hv::Window window;
    auto* nav = new hv::NavigationController(new hv::ViewController);
    window.setRootViewController(nav);
    window.show();
    openRecords(*nav, paths);
    auto* list = window.findChild<QListView*>("tableView");
    QScrollBar* bar = list->verticalScrollBar();
    int step = 0;
    for (auto _ : state) {
        bar->setValue((step++ * 200) % bar->maximum());
        list->viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollRecords_10000)->Unit(benchmark::kMicrosecond);

}  // namespace
