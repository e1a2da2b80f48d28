// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main() of the benchmark programs without screens.
#include "AnchorReporter.h"

int main(int argc, char** argv) {
    return hv::bench::runWithAnchors(argc, argv);
}
