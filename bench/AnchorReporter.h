// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Figures beside their anchors: a benchmark "X" and its anchor "X_anchor" (the bare work
// it cannot do without, measured in the same run) are printed as a ratio after the usual
// table, with the aim when one is set.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace hv::bench {

// The ratio the benchmark aims to stay under; returns true so that it can initialise a
// static in the file that defines the benchmark.
bool setAim(const std::string& benchmark, double ratio);

class AnchorReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::map<std::string, double> secondsPerIteration_;
};

// Runs the benchmarks given on the command line with the reporter.
int runWithAnchors(int argc, char** argv);

}  // namespace hv::bench
