// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The address book behind the contact screens: reading 10,000 persons from vCard files,
// cutting them into sections, and one keystroke of the search field.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "BenchNames.h"
#include "addressbook/LocalizedCompare.h"
#include "addressbook/NameSearch.h"
#include "addressbook/NameSections.h"
#include "addressbook/VCardAddressBook.h"

namespace {

constexpr int kPeople = 10000;

void BM_NameSections_10000(benchmark::State& state, const char* locale) {
    const std::vector<std::string> all = hv::bench::names(kPeople);
    const hv::LocalizedCompare compare(locale);
    for (auto _ : state) {
        auto sections = hv::NameSections::make(
            all, [](const std::string& name) -> const std::string& { return name; }, compare);
        benchmark::DoNotOptimize(sections);
    }
}
BENCHMARK_CAPTURE(BM_NameSections_10000, en, "en")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NameSections_10000, zh_CN, "zh_CN")->Unit(benchmark::kMillisecond);

void BM_SearchKeystroke_10000(benchmark::State& state, const char* text) {
    const hv::NameSearch search(hv::bench::names(kPeople));
    for (auto _ : state) {
        auto found = search.matches(text);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK_CAPTURE(BM_SearchKeystroke_10000, l, "l")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke_10000, li, "li")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke_10000, lin, "lin")->Unit(benchmark::kMillisecond);

// A card of each kind a phone writes: vCard 2.1 with quoted-printable Chinese, and 3.0.
std::string card(int i, const std::string& name) {
    const std::string number = "+86 138 " + std::to_string(10000000 + i);
    if (i % 3 == 0)
        return "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:"
               "=E5=BC=A0;=E4=B8=89;;;\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:"
               "=E5=BC=A0=E4=B8=89\r\nTEL;CELL:" +
               number + "\r\nEND:VCARD\r\n";
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;" + name + ";;;\r\nFN:" + name +
           "\r\nTEL;TYPE=CELL:" + number + "\r\nTEL;TYPE=HOME:+86 10 " + std::to_string(i) +
           "\r\nEMAIL:p" + std::to_string(i) + "@example.org\r\nEND:VCARD\r\n";
}

// A folder written once for the whole run and removed at its end.
class CardFolder {
public:
    explicit CardFolder(bool oneFile) {
        path_ = std::filesystem::temp_directory_path() /
                ("hushvault-bench-cards-" + std::to_string(::getpid()) + (oneFile ? "-1" : "-n"));
        std::filesystem::create_directories(path_);
        const std::vector<std::string> all = hv::bench::names(kPeople);
        std::ofstream single;
        if (oneFile) single.open(path_ / "all.vcf", std::ios::binary);
        for (int i = 0; i < kPeople; ++i) {
            if (oneFile)
                single << card(i, all[i]);
            else
                std::ofstream(path_ / (std::to_string(i) + ".vcf"), std::ios::binary)
                    << card(i, all[i]);
        }
    }
    ~CardFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void BM_LoadAddressBook(benchmark::State& state) {
    // The benchmark is entered several times; the folders are written at the first.
    static const CardFolder files(false);
    static const CardFolder oneFile(true);
    const hv::VCardAddressBook book(state.range(0) == 1 ? oneFile.path() : files.path());
    for (auto _ : state) {
        hv::AddressBookRead read = book.copyArrayOfAllPeople();
        if (read.people.size() != std::size_t(kPeople) || read.skipped != 0)
            state.SkipWithError("not every card was read");
        benchmark::DoNotOptimize(read);
    }
}
// Arg 0: 10,000 files of one card each; arg 1: one file of 10,000 cards.
BENCHMARK(BM_LoadAddressBook)->ArgName("oneFile")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
