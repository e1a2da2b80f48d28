// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Outbox files, read by whatever passes the messages on: a file reads as its parts only
// when it is exactly what those parts make, and a message the service accepts reads back
// with its recipient and its whole body.
#include <fuzzer/FuzzedDataProvider.h>

#include <filesystem>

#include "FuzzSupport.h"
#include "sms/OutboxSmsService.h"
#include "store/AtomicFile.h"

using namespace hv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    if (const auto parsed = parseOutboxMessage(raw))
        HV_FUZZ_CHECK(
            "To: " + parsed->to + "\nDate: " + parsed->date + "\n\n" + parsed->body + "\n" == raw);

    FuzzedDataProvider input(data, size);
    const std::string to = input.ConsumeRandomLengthString(24);
    const std::string body = input.ConsumeRemainingBytesAsString();
    OutboxSmsService outbox(fuzz::scratchDirectory());
    int reports = 0;
    outbox.setReportSink([&](const std::string&) { ++reports; });
    if (!outbox.sendSMSWithText(body, std::string(), to)) {
        HV_FUZZ_CHECK(reports == 0);
        return 0;
    }
    HV_FUZZ_CHECK(reports == 1);
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(outbox.outboxDirectory())) {
        ++files;
        const auto contents = AtomicFile::read(entry.path().string());
        HV_FUZZ_CHECK(contents.has_value());
        const auto message = parseOutboxMessage(*contents);
        HV_FUZZ_CHECK(message.has_value());
        HV_FUZZ_CHECK(message->to == to);
        HV_FUZZ_CHECK(message->body == body);
        std::filesystem::remove(entry.path());
    }
    HV_FUZZ_CHECK(files == 1);
    return 0;
}
