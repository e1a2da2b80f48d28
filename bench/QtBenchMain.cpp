// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main() of the benchmark programs that show screens: a headless QApplication around
// Google Benchmark's runner.
#include <QApplication>

#include "AnchorReporter.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return hv::bench::runWithAnchors(argc, argv);
}
