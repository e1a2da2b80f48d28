// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The contact list on screen: 10,000 secret contacts or address-book persons cut into
// sections and handed to the list, one keystroke of the search with the list laid out and
// painted again, and the whole list opened from the store.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>

#include "BenchNames.h"
#include "BenchStore.h"
#include "addressbook/AddressBook.h"
#include "contacts/ContractsListData.h"
#include "contacts/SMSContractsListViewController.h"
#include "platform/Localization.h"
#include "ui/NavigationController.h"
#include "ui/SectionedListModel.h"
#include "ui/SectionedTableView.h"
#include "ui/Window.h"

namespace {

constexpr int kCount = 10000;

std::vector<hv::Contacts> contacts() {
    std::vector<hv::Contacts> all;
    int i = 0;
    for (std::string& name : hv::bench::names(kCount)) {
        hv::Contacts contact;
        contact.name = std::move(name);
        contact.telePhoneNumber = hv::bench::Fixture::number(i++);
        contact.passWord = i % 3 ? "tea" : "";
        all.push_back(std::move(contact));
    }
    return all;
}

struct EmptyBook : hv::AddressBook {
    hv::AddressBookRead copyArrayOfAllPeople() const override { return {}; }
};

// Sorting, sections, the rows' texts and images, and the model reset.
void BM_ContactSections_10000(benchmark::State& state) {
    const std::vector<hv::Contacts> all = contacts();
    hv::ContractsListData data("en");
    hv::SectionedListModel model;
    for (auto _ : state) {
        data.loadFriends(all);
        model.setSections(data.sections());
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_ContactSections_10000)->Unit(benchmark::kMillisecond);

// A keystroke in the search field: the search, the results into the list, laid out and
// painted. Each letter narrows the previous results as a person types.
void BM_SearchKeystroke_10000(benchmark::State& state, const char* text) {
    hv::ContractsListData data("en");
    data.loadFriends(contacts());
    hv::SectionedListModel model;
    hv::SectionedTableView table;
    table.setModel(&model);
    table.resize(320, 392);
    table.show();
    data.search("x");  // the folded names are made once, with the first keystroke
    for (auto _ : state) {
        data.search(text);
        model.setSections(data.results(), false);
        table.listView()->doItemsLayout();
        table.listView()->viewport()->repaint();
    }
    state.counters["results"] = data.resultCount();
}
BENCHMARK_CAPTURE(BM_SearchKeystroke_10000, l, "l")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke_10000, li, "li")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke_10000, lin, "lin")->Unit(benchmark::kMillisecond);

// From the menu's tap to the list of 10,000 stored contacts laid out and painted.
void BM_OpenContactList_10000(benchmark::State& state) {
    hv::bench::Fixture fixture(kCount, 0);
    const auto paths = hv::StorePaths::inDirectory(fixture.store().documentsDirectory());
    const EmptyBook book;
    hv::Window window;
    auto* nav = new hv::NavigationController(new hv::ViewController);
    window.setRootViewController(nav);
    window.show();
    for (auto _ : state) {
        auto* list = new hv::SMSContractsListViewController(paths, book);
        list->setTitle(hv::localized("Management"));
        nav->pushViewController(list, false);
        QApplication::processEvents();
        window.repaint();
        state.PauseTiming();
        nav->popViewControllerAnimated(false);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenContactList_10000)->Unit(benchmark::kMillisecond);

}  // namespace
