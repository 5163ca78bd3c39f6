#pragma once

#include "platform/PrivateCupsServer.h"

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace tessra::testing {

// One private spooler for a test suite, with capturing ZEN-10 and ZEN-10R queues, named to libcups
// and (for a job's worker thread, which keeps its own server) in the environment. Its tests skip
// when the spooler's tools are missing; a SetUp of a derived fixture returns when IsSkipped().
template <class Base>
class WithEmbosserQueues : public Base {
protected:
    static void SetUpTestSuite()
    {
        if (!PrivateCupsServer::MissingTools().empty()) return;
        server.reset(new PrivateCupsServer({{"ZEN-10", PrivateCupsServer::kCaptureDevice},
                                            {"ZEN-10R", PrivateCupsServer::kCaptureDevice}}));
        const std::string address = server->Server().host + ":" + std::to_string(server->Server().port);
        ::setenv("CUPS_SERVER", address.c_str(), 1);
        cupsSetServer(address.c_str());
    }
    static void TearDownTestSuite()
    {
        server.reset();
        ::unsetenv("CUPS_SERVER");
        cupsSetServer(nullptr);
    }

    void SetUp() override
    {
        if (!server) GTEST_SKIP() << PrivateCupsServer::MissingTools();
        ASSERT_TRUE(server->Running()) << server->Error();
    }

    // The bytes of the queue's newest job, once the spooler has passed them on.
    static std::string Received(const std::string& queue)
    {
        const auto job = server->FinishedLastJob(queue);
        const auto bytes = job ? server->CapturedBytes(job->id) : std::nullopt;
        return bytes ? std::string(bytes->begin(), bytes->end()) : "(nothing received)";
    }

    static inline std::unique_ptr<PrivateCupsServer> server;
};

}  // namespace tessra::testing
