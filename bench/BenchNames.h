// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Names for the benchmarks of lists of people, shared by the benchmark programs.
#include <random>
#include <string>
#include <vector>

namespace hv::bench {

// Names as a phone book mixes them: Latin given and family names, Chinese names, and a
// few that start with digits or have none. Always the same ones.
inline std::vector<std::string> names(int count) {
    static const char* const given[] = {"Alice", "Bob",   "Émile", "Lin",  "oliver",
                                        "Zoë",   "Ｍari", "Karl",  "Lina", "Ian"};
    static const char* const family[] = {"Lindqvist", "Smith",    "Ólafsson", "Berlin",
                                         "Nguyen",    "Kowalski", "Ruiz",     "Sato"};
    static const char* const han[] = {"张", "王", "李", "林", "陈", "刘", "杨", "黄"};
    std::mt19937 random(20260501);
    std::vector<std::string> all;
    all.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        switch (random() % 10) {
            case 0:
            case 1:
            case 2:
                all.push_back(std::string(han[random() % 8]) + han[random() % 8] +
                              han[random() % 8]);
                break;
            case 3:
                all.push_back(std::to_string(random() % 1000) + " Taxi");
                break;
            case 4:
                all.push_back(i % 20 == 0 ? "" : given[random() % 10]);
                break;
            default:
                all.push_back(std::string(given[random() % 10]) + " " + family[random() % 8] + " " +
                              std::to_string(i));
        }
    }
    return all;
}

}  // namespace hv::bench
