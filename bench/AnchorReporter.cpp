// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnchorReporter.h"

#include <unistd.h>

#include <cstdio>

namespace hv::bench {

namespace {

constexpr std::string_view kAnchorSuffix = "_anchor";

std::map<std::string, double>& aims() {
    static std::map<std::string, double> aims;
    return aims;
}

std::string readable(double seconds) {
    char text[32];
    if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else if (seconds >= 1e-6)
        std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.1f ns", seconds * 1e9);
    return text;
}

// The benchmark's name and arguments, without the run's settings ("/iterations:20",
// "/manual_time"), which may differ between a figure and its anchor.
std::string figureName(const benchmark::BenchmarkReporter::Run& run) {
    const std::string& arguments = run.run_name.args;
    return run.run_name.function_name + (arguments.empty() ? "" : "/" + arguments);
}

}  // namespace

bool setAim(const std::string& benchmark, double ratio) {
    aims()[benchmark] = ratio;
    return true;
}

void AnchorReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
        if (!run.error_occurred && run.run_type == Run::RT_Iteration && run.iterations > 0)
            secondsPerIteration_[figureName(run)] =
                run.real_accumulated_time / double(run.iterations);
}

void AnchorReporter::Finalize() {
    ConsoleReporter::Finalize();
    bool header = false;
    for (const auto& [name, anchorSeconds] : secondsPerIteration_) {
        if (!name.ends_with(kAnchorSuffix)) continue;
        const std::string figure = name.substr(0, name.size() - kAnchorSuffix.size());
        const auto measured = secondsPerIteration_.find(figure);
        if (measured == secondsPerIteration_.end() || anchorSeconds <= 0) continue;
        if (!header) std::printf("\nFigures beside their anchors (wall time per iteration):\n");
        header = true;
        const double ratio = measured->second / anchorSeconds;
        std::printf("  %-44s %10s beside %10s  ratio %5.2f", figure.c_str(),
                    readable(measured->second).c_str(), readable(anchorSeconds).c_str(), ratio);
        if (const auto aim = aims().find(figure); aim != aims().end())
            std::printf("  (aim <= %.2f%s)", aim->second, ratio <= aim->second ? "" : ", MISSED");
        std::printf("\n");
    }
    std::fflush(stdout);
}

int runWithAnchors(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    // Colours only for a terminal: make bench is often read from a file.
    AnchorReporter reporter(::isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                    : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace hv::bench
